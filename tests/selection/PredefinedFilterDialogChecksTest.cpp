#include <gtest/gtest.h>

#include "base/TextEncoding.h"
#include "selection/PredefinedFilterDialogChecks.h"
#include "selection/PredefinedFilterFile.h"

using namespace zofar;

namespace {

using Checks = PredefinedFilterDialogChecks;

std::optional<std::string> Message(std::string_view text) { return std::string(text); }

// How many characters a name may have before the line of a filter holding `criteria` no
// longer reads back in one piece.
size_t LongestName(const FilterCriteria& criteria) {
    return kPredefinedFilterMaxLineChars - Utf8Length(FormatPredefinedFilterLine(CPredefFilter{"", criteria}));
}

std::string Repeat(const std::string& piece, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i) text += piece;
    return text;
}

}  // namespace

TEST(PredefinedFilterDialogChecks, okInTheSelectDialogNeedsASelectionOnlyWhenThereAreLines) {
    EXPECT_EQ(Checks::CheckSelection(-1, 3), Message(Checks::kSelectFilter));
    EXPECT_EQ(Checks::CheckSelection(-1, 0), std::nullopt);
    EXPECT_EQ(Checks::CheckSelection(0, 3), std::nullopt);
    EXPECT_EQ(Checks::CheckSelection(2, 3), std::nullopt);
}

TEST(PredefinedFilterDialogChecks, theNameDialogRefusesEmptyAndUnstorableNamesAndTakesOthersAsTyped) {
    const FilterCriteria none;
    const struct {
        std::string name;
        std::optional<std::string> message;
    } cases[] = {
        {"", Message(Checks::kEnterName)},
        {"a\x0B"
         "b",
         Message(kUnstorableFilterNameMessage)},
        {"line\nbreak", Message(kUnstorableFilterNameMessage)},
        {"carriage\r", Message(kUnstorableFilterNameMessage)},
        {" ", std::nullopt},
        {" Evening | Europe* ", std::nullopt},
        {"Sender München", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(Checks::CheckFilterName(c.name, none), c.message) << c.name;
}

TEST(PredefinedFilterDialogChecks, aFilterWhoseLineWouldBeReadInPiecesIsRefusedCountingCharacters) {
    FilterCriteria criteria;
    const size_t longest = LongestName(criteria);
    EXPECT_EQ(Checks::CheckFilterName(std::string(longest, 'x'), criteria), std::nullopt);
    EXPECT_EQ(Checks::CheckFilterName(std::string(longest + 1, 'x'), criteria), Message(Checks::kFilterTooLong));
    // Two bytes each, one character each.
    EXPECT_EQ(Checks::CheckFilterName(Repeat("ü", longest), criteria), std::nullopt);

    criteria.FStation = std::string(longest, 's');
    EXPECT_EQ(Checks::CheckFilterName("short", criteria), Message(Checks::kFilterTooLong));
}

TEST(PredefinedFilterDialogChecks, listBoxNamesRunFromIndexZeroToTheFirstMissingEntry) {
    struct Operations : PredefinedFilterOperations {
        std::optional<std::string> PredefinedFilterName(int index) const override {
            if (index < 0 || index > 2) return std::nullopt;
            return index == 1 ? std::string() : "n" + std::to_string(index);
        }
        bool CreatePredefinedFilter(int, const std::string&) override { return false; }
        void DeletePredefinedFilter(int) override {}
    } operations;
    EXPECT_EQ(Checks::ListNames(operations), (std::vector<std::string>{"n0", "", "n2"}));
}
