// The general order compares ASCII runs by table and skips equal texts at once; these tests
// hold it to the plain two-pass order over decoded characters, on texts built to reach every
// path: accents, letter case, punctuation, digits, empty texts, invalid and cut UTF-8, NULs.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/Utf8.h"
#include "store/CollationWeights.h"
#include "store/JetText.h"

using namespace zofar;

namespace {

// The order as first written: base letters over the whole texts, then the folded characters.
int PlainTwoPassOrder(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const uint32_t wa = collation::PrimaryWeight(NextCodePoint(a, i));
        const uint32_t wb = collation::PrimaryWeight(NextCodePoint(b, j));
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    i = j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = collation::FoldCase(NextCodePoint(a, i));
        const char32_t cb = collation::FoldCase(NextCodePoint(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return 0;
}

int Sign(int v) { return (v > 0) - (v < 0); }

std::vector<std::string> Texts() {
    const std::vector<std::string> pieces = {"a",
                                             "A",
                                             "z",
                                             "Z",
                                             "m",
                                             "0",
                                             "9",
                                             " ",
                                             ".",
                                             ":",
                                             "-",
                                             "_",
                                             "~",
                                             "\x7F",
                                             "\x01",
                                             std::string(1, '\0'),
                                             "\u00E9",
                                             "\u00C9",
                                             "e",
                                             "E",
                                             "\u00F6",
                                             "\u00D6",
                                             "o",
                                             "\u00DF",
                                             "\u00FF",
                                             "\u0178",
                                             "y",
                                             "\u0142",
                                             "\u0141",
                                             "\u0149",
                                             "\u017F",
                                             "\u0138",
                                             "\u0192",
                                             "\u0191",
                                             "\u00D7",
                                             "\u00F7",
                                             "\u20AC",
                                             "\u2122",
                                             "\u00A1",
                                             "\u0080",
                                             "\u00A0",
                                             "\u4E2D",
                                             "\U0001F600",
                                             "\xC3",
                                             "\xC3(",
                                             "\x80",
                                             "\xFF",
                                             "\xC0\xAF",
                                             "\xED\xA0\x80",
                                             "\xF4\x90\x80\x80",
                                             "\xE2\x82",
                                             "\xC9"};
    const std::vector<std::string> starts = {"", "", "Radio ", "RADIO ", "radio", "BBC World Service"};
    std::vector<std::string> texts = {"",
                                      "Radio \u00D6sterreich 1",
                                      "RADIO OSTERREICH 1",
                                      "Radio Osterreich 1",
                                      "Radio Caf\u00E9 Lisboa",
                                      "Radio Cafe Lisboa",
                                      "R. Educaci\u00F3n",
                                      "..:..",
                                      "00:00",
                                      "23:59",
                                      "1234567",
                                      "EU AF ME "};
    for (const auto& p : pieces) texts.push_back(p);
    std::mt19937 rng(1967);
    for (int k = 0; k < 900; ++k) {
        std::string t = starts[rng() % starts.size()];
        const int count = static_cast<int>(rng() % 6);
        for (int c = 0; c < count; ++c) t += pieces[rng() % pieces.size()];
        texts.push_back(t);
    }
    return texts;
}

}  // namespace

TEST(GeneralOrder, givesTheSameAnswerAsThePlainTwoPassOrderOnEveryPair) {
    const auto texts = Texts();
    int mismatches = 0;
    for (const auto& a : texts) {
        for (const auto& b : texts) {
            if (Sign(CompareGeneral(a, b)) != PlainTwoPassOrder(a, b) && ++mismatches <= 5) {
                ADD_FAILURE() << "texts \"" << a << "\" and \"" << b << "\"";
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(GeneralOrder, isAStrictWeakOrder) {
    // An order is strict and weak exactly when ranking every text by how many texts come before
    // it agrees with the order on every pair.
    const auto texts = Texts();
    std::vector<int> rank(texts.size(), 0);
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = 0; j < texts.size(); ++j) rank[i] += CompareGeneral(texts[j], texts[i]) < 0;
    }
    int disagreements = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = 0; j < texts.size(); ++j) {
            if (Sign(CompareGeneral(texts[i], texts[j])) != Sign(rank[i] - rank[j])) ++disagreements;
        }
    }
    EXPECT_EQ(disagreements, 0);
}
