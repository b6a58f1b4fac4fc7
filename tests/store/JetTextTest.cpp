#include <gtest/gtest.h>

#include "store/JetText.h"

using namespace zofar;

namespace {
bool Like(const char* pattern, const char* text) { return MatchLike(pattern, text) == LikeResult::Match; }
}  // namespace

TEST(JetLike, starMatchesAnyRunAtEitherEnd) {
    EXPECT_TRUE(Like("*BBC*", "BBC World Service"));
    EXPECT_TRUE(Like("*BBC*", "The BBC"));
    EXPECT_TRUE(Like("*BBC*", "BBC"));
    EXPECT_TRUE(Like("**", ""));
    EXPECT_FALSE(Like("*BBC*", "B B C"));
    EXPECT_TRUE(Like("*a*b*c*", "xxaxxbxxcxx"));
    EXPECT_FALSE(Like("*a*b*c", "xxaxxbxxcxx"));
}

TEST(JetLike, questionMarkAndHashTakeExactlyOneCharacter) {
    EXPECT_TRUE(Like("?", "\u00E9"));  // one character, two bytes
    EXPECT_FALSE(Like("?", ""));
    EXPECT_FALSE(Like("??", "a"));
    EXPECT_TRUE(Like("##:##", "22:05"));
    EXPECT_FALSE(Like("##:##", "..:.."));
    EXPECT_FALSE(Like("#", "x"));
}

TEST(JetLike, bracketsListRangesAndNegation) {
    EXPECT_TRUE(Like("[abc]x", "bx"));
    EXPECT_TRUE(Like("[a-c]", "B"));
    EXPECT_FALSE(Like("[a-c]", "d"));
    EXPECT_TRUE(Like("[!abc]", "d"));
    EXPECT_FALSE(Like("[!abc]", "A"));
    EXPECT_TRUE(Like("[*]", "*"));
    EXPECT_TRUE(Like("[Z-a]", "a"));  // a range across both cases holds either case of its letters
    EXPECT_TRUE(Like("[Z-a]", "A"));
    EXPECT_TRUE(Like("[Z-a]", "z"));
    EXPECT_FALSE(Like("[Z-a]", "b"));
    EXPECT_FALSE(Like("[a-\u00E9]", "["));
    EXPECT_TRUE(Like("[a-\u00E9]", "\u00C9"));
    EXPECT_EQ(MatchLike("[abc", "a"), LikeResult::BadPattern);
    EXPECT_EQ(MatchLike("x*[", "zzz"), LikeResult::BadPattern);
}

TEST(JetLike, escapeMakesTheNextCharacterLiteralAndATrailingOneStandsForItself) {
    EXPECT_EQ(MatchLike("a\\*", "a*", U'\\'), LikeResult::Match);
    EXPECT_EQ(MatchLike("a\\*", "ab", U'\\'), LikeResult::NoMatch);
    EXPECT_EQ(MatchLike("\\[x", "[X", U'\\'), LikeResult::Match);
    EXPECT_EQ(MatchLike("ab?", "ab?", U'?'), LikeResult::Match);
    EXPECT_EQ(MatchLike("ab?", "abc", U'?'), LikeResult::NoMatch);
    EXPECT_EQ(MatchLike("ab*", "abc", U'*'), LikeResult::NoMatch);
    EXPECT_EQ(MatchLike("ab*", "ab", U'*'), LikeResult::NoMatch);
    EXPECT_EQ(MatchLike("a**", "a", U'*'), LikeResult::NoMatch);
    EXPECT_EQ(MatchLike("a**", "a*", U'*'), LikeResult::Match);
}

TEST(JetLike, bytesThatAreNotUtf8MatchOnlyThemselves) {
    EXPECT_FALSE(Like("\xC0\xA3", "5"));  // an overlong "#" is no digit wildcard
    EXPECT_FALSE(Like("\xC0\xA3", "#"));
    EXPECT_FALSE(Like("\xC0", "\u00C0"));
    EXPECT_FALSE(Like("\xC0", "\u00E0"));
    EXPECT_TRUE(Like("\xC0\xA3", "\xC0\xA3"));
    EXPECT_TRUE(Like("?", "\xC0"));
    EXPECT_FALSE(Like("[a-\xC0]", "b"));
    EXPECT_TRUE(Like("[a-\xC0]", "A"));
    EXPECT_TRUE(Like("[a-\xC0]", "\xC0"));
}

TEST(JetLike, emptyPatternMatchesOnlyEmptyTextAndCaseIsIgnored) {
    EXPECT_TRUE(Like("", ""));
    EXPECT_FALSE(Like("", " "));
    EXPECT_TRUE(Like("radio*", "RADIO Free"));
    EXPECT_TRUE(Like("*m\u00DCnchen*", "Sender M\u00FCnchen"));
    EXPECT_FALSE(Like("*Munchen*", "M\u00FCnchen"));
}

TEST(JetLike, longPatternsDoNotBacktrackExponentially) {
    const std::string text(5000, 'a');
    EXPECT_FALSE(Like("*a*a*a*a*a*a*a*a*a*a*b", text.c_str()));
}

TEST(GeneralOrder, ignoresCaseAndPutsAccentsBesideTheirLetter) {
    EXPECT_EQ(CompareGeneral("radio", "RADIO"), 0);
    EXPECT_LT(CompareGeneral("apple", "Banana"), 0);
    EXPECT_LT(CompareGeneral("Zebra", "zoo"), 0);
    EXPECT_LT(CompareGeneral("\u00C9cole", "Ecoles"), 0);  // É sorts with E
    EXPECT_LT(CompareGeneral("Ecole", "\u00C9cole"), 0);   // plain letter first on a tie
    EXPECT_EQ(CompareGeneral("\u00E9cole", "\u00C9COLE"), 0);
    EXPECT_LT(CompareGeneral("\u00D6sterreich", "Peru"), 0);
    EXPECT_GT(CompareGeneral("\u00D6sterreich", "Norway"), 0);
}

TEST(GeneralOrder, punctuationBeforeDigitsBeforeLetters) {
    EXPECT_LT(CompareGeneral("..:..", "00:00"), 0);
    EXPECT_LT(CompareGeneral("09:59", "10:00"), 0);
    EXPECT_LT(CompareGeneral("9", "A"), 0);
    EXPECT_LT(CompareGeneral("_x", "a"), 0);
    EXPECT_LT(CompareGeneral("", "a"), 0);
    EXPECT_LT(CompareGeneral("ab", "abc"), 0);
}
