#include <gtest/gtest.h>

#include <vector>

#include "selection/FilterDialogChecks.h"

using namespace zofar;

namespace {

// A dialog as the user might leave it: every criterion valid, nothing ticked.
FilterDialogEntries ValidEntries() {
    FilterDialogEntries e;
    e.frequency1Text = "5900";
    e.frequency2Text = "6200";
    e.shown.FStart = "00:00";
    e.shown.FEnd = "23:59";
    e.shown.FOnairTime = "00:00";
    return e;
}

void ExpectRefused(const FilterDialogOutcome& o, std::string_view message, FilterDialogField focus) {
    EXPECT_FALSE(o.accepted);
    EXPECT_EQ(o.message, message);
    EXPECT_EQ(o.focus, focus);
}

}  // namespace

TEST(FilterDialogChecks, acceptsValidEntriesAndTakesOverEveryValue) {
    FilterDialogEntries e = ValidEntries();
    e.frequency1Text = " 5900,5\t";
    e.shown.BFFrequency = 1;
    e.shown.BFStation = 1;
    e.shown.FStation = " BBC|Voice ";
    e.shown.BFExactMatch = 1;
    e.shown.BFOnairNow = 1;
    const auto o = FilterDialogChecks::Check(e, FilterCriteria{});
    ASSERT_TRUE(o.accepted);
    EXPECT_EQ(o.message, "");
    EXPECT_EQ(o.focus, FilterDialogField::None);
    FilterCriteria expected = e.shown;
    expected.FFrequency1 = 5900.5;
    expected.FFrequency2 = 6200.0;
    EXPECT_EQ(o.values, expected);
}

TEST(FilterDialogChecks, frequencyThatIsNoNumberIsRefusedEvenWhenUnticked) {
    for (const char* text : {"abc", "", "  ", "59OO", "1,2,3", "nan", "0x"}) {
        FilterDialogEntries e = ValidEntries();
        e.frequency1Text = text;
        ExpectRefused(FilterDialogChecks::Check(e, {}), "Please enter a number.", FilterDialogField::Frequency1);
        e = ValidEntries();
        e.frequency2Text = text;
        ExpectRefused(FilterDialogChecks::Check(e, {}), "Please enter a number.", FilterDialogField::Frequency2);
    }
}

TEST(FilterDialogChecks, frequencyOutsideZeroToMillionIsRefusedButTheEndsAreAllowed) {
    FilterDialogEntries e = ValidEntries();
    e.frequency1Text = "-0.1";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "Please enter a number between 0 and 1000000.",
                  FilterDialogField::Frequency1);
    e = ValidEntries();
    e.frequency2Text = "1000000.5";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "Please enter a number between 0 and 1000000.",
                  FilterDialogField::Frequency2);
    e = ValidEntries();
    e.frequency1Text = "0";
    e.frequency2Text = "1e6";
    e.shown.BFFrequency = 1;
    EXPECT_TRUE(FilterDialogChecks::Check(e, {}).accepted);
}

TEST(FilterDialogChecks, checksRunInControlOrderAndStopAtTheFirst) {
    FilterDialogEntries e = ValidEntries();
    e.shown.BFFrequency = 1;
    e.shown.BFTime = 1;
    e.shown.BFOnair = 1;
    e.shown.BFOnairNow = 0;
    e.frequency1Text = "x";
    e.frequency2Text = "-1";
    e.shown.FStart = "7:30";
    e.shown.FEnd = "25:00";
    e.shown.FOnairTime = "";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "Please enter a number.", FilterDialogField::Frequency1);
    e.frequency1Text = "2000000";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "Please enter a number between 0 and 1000000.",
                  FilterDialogField::Frequency1);
    e.frequency1Text = "7000";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "Please enter a number between 0 and 1000000.",
                  FilterDialogField::Frequency2);
    e.frequency2Text = "6000";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "The first frequency value must be smaller than the second value.",
                  FilterDialogField::Frequency1);
    e.frequency2Text = "8000";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "The first time entry (start time) is not valid (Format: hh:mm).",
                  FilterDialogField::Start);
    e.shown.FStart = "24:00";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "The second time entry (end time) is not valid (Format: hh:mm).",
                  FilterDialogField::End);
    e.shown.FEnd = "24:59";
    ExpectRefused(FilterDialogChecks::Check(e, {}), "The \"On Air At\" time entry is not valid (Format: hh:mm).",
                  FilterDialogField::OnairTime);
    e.shown.FOnairTime = "06:30";
    EXPECT_TRUE(FilterDialogChecks::Check(e, {}).accepted);
}

TEST(FilterDialogChecks, equalFrequenciesAreRefusedOnlyWhenTicked) {
    FilterDialogEntries e = ValidEntries();
    e.frequency1Text = "6000";
    e.frequency2Text = "6000";
    EXPECT_TRUE(FilterDialogChecks::Check(e, {}).accepted);
    e.shown.BFFrequency = 1;
    ExpectRefused(FilterDialogChecks::Check(e, {}), "The first frequency value must be smaller than the second value.",
                  FilterDialogField::Frequency1);
}

TEST(FilterDialogChecks, untickedCriteriaKeepInvalidTimesAsTyped) {
    FilterDialogEntries e = ValidEntries();
    e.shown.FStart = "7:30";
    e.shown.FEnd = "nonsense";
    e.shown.BFOnair = 0;
    e.shown.BFOnairNow = 0;
    e.shown.FOnairTime = "";
    const auto o = FilterDialogChecks::Check(e, {});
    ASSERT_TRUE(o.accepted);
    EXPECT_EQ(o.values.FStart, "7:30");
    EXPECT_EQ(o.values.FEnd, "nonsense");
    EXPECT_EQ(o.values.FOnairTime, "");
}

TEST(FilterDialogChecks, onAirNowIgnoresTheAtTime) {
    FilterDialogEntries e = ValidEntries();
    e.shown.BFOnair = 1;
    e.shown.BFOnairNow = 1;
    e.shown.FOnairTime = "later";
    EXPECT_TRUE(FilterDialogChecks::Check(e, {}).accepted);
}

TEST(FilterDialogChecks, refusedFrequencyKeepsOnlyTheValuesReadBeforeIt) {
    FilterCriteria held;
    held.FFrequency1 = 100.0;
    held.FFrequency2 = 200.0;
    held.FStation = "old";
    FilterDialogEntries e = ValidEntries();
    e.shown.BFFrequency = 1;
    e.shown.FStation = "new";
    e.frequency2Text = "x";
    const auto o = FilterDialogChecks::Check(e, held);
    EXPECT_EQ(o.values.BFFrequency, 1u);
    EXPECT_EQ(o.values.FFrequency1, 5900.0);
    EXPECT_EQ(o.values.FFrequency2, 200.0);
    EXPECT_EQ(o.values.FStation, "old");

    e.frequency2Text = "1000";  // everything reads; the order check fails afterwards
    const auto later = FilterDialogChecks::Check(e, held);
    EXPECT_EQ(later.focus, FilterDialogField::Frequency1);
    EXPECT_EQ(later.values.FFrequency2, 1000.0);
    EXPECT_EQ(later.values.FStation, "new");
}

TEST(FilterDialogChecks, aFrequencyOutsideTheRangeIsHeldAsReadButNotTheNextEdit) {
    FilterCriteria held;
    held.FFrequency1 = 100.0;
    held.FFrequency2 = 200.0;
    FilterDialogEntries e = ValidEntries();
    e.frequency1Text = "2000000";
    e.frequency2Text = "300";
    auto o = FilterDialogChecks::Check(e, held);
    EXPECT_EQ(o.focus, FilterDialogField::Frequency1);
    EXPECT_EQ(o.values.FFrequency1, 2000000.0);
    EXPECT_EQ(o.values.FFrequency2, 200.0);

    e.frequency1Text = "5900";
    e.frequency2Text = "-1";
    o = FilterDialogChecks::Check(e, held);
    EXPECT_EQ(o.focus, FilterDialogField::Frequency2);
    EXPECT_EQ(o.values.FFrequency1, 5900.0);
    EXPECT_EQ(o.values.FFrequency2, -1.0);
}

TEST(FilterDialogChecks, frequencyTextReading) {
    EXPECT_EQ(FilterDialogChecks::ReadFrequencyText("6200"), 6200.0);
    EXPECT_EQ(FilterDialogChecks::ReadFrequencyText("  +6200.25 \t"), 6200.25);
    EXPECT_EQ(FilterDialogChecks::ReadFrequencyText("6200,5"), 6200.5);
    EXPECT_EQ(FilterDialogChecks::ReadFrequencyText("1e3"), 1000.0);
    EXPECT_FALSE(FilterDialogChecks::ReadFrequencyText("").has_value());
    EXPECT_FALSE(FilterDialogChecks::ReadFrequencyText("6200 kHz").has_value());
    EXPECT_FALSE(FilterDialogChecks::ReadFrequencyText("inf").has_value());
}

TEST(FilterDialogChecks, editShowsFrequenciesInShortestGeneralNotation) {
    EXPECT_EQ(FilterDialogChecks::FormatFrequencyForEdit(0.0), "0");
    EXPECT_EQ(FilterDialogChecks::FormatFrequencyForEdit(1000000.0), "1000000");
    EXPECT_EQ(FilterDialogChecks::FormatFrequencyForEdit(5900.5), "5900.5");
    EXPECT_EQ(FilterDialogChecks::FormatFrequencyForEdit(0.1), "0.1");
    EXPECT_EQ(FilterDialogChecks::FormatFrequencyForEdit(1e20), "1e+20");
    EXPECT_EQ(FilterDialogChecks::FormatFrequencyForEdit(-7.25), "-7.25");
    EXPECT_EQ(FilterDialogChecks::FormatFrequencyForEdit(123456789012345678.0), "1.23456789012346e+17");
}

TEST(FilterDialogChecks, aTickedTextCriterionWithAnUnclosedBracketIsRefusedAtItsEdit) {
    struct Case {
        uint32_t FilterCriteria::*flag;
        std::string FilterCriteria::*value;
        std::string text;
        FilterDialogField focus;  // None: accepted
        std::string_view label;
    };
    const std::vector<Case> cases = {
        {&FilterCriteria::BFStation, &FilterCriteria::FStation, "[BBC", FilterDialogField::Station, "Station"},
        {&FilterCriteria::BFDay, &FilterCriteria::FDay, "1|[7", FilterDialogField::Day, "Days"},
        {&FilterCriteria::BFP, &FilterCriteria::FP, "[a|b]", FilterDialogField::P, "Program structure (P)"},
        {&FilterCriteria::BFItu, &FilterCriteria::FItu, "[[]D|[DF]", FilterDialogField::None, ""},
    };
    for (const auto& k : cases) {
        FilterDialogEntries e = ValidEntries();
        e.shown.*k.value = k.text;
        EXPECT_TRUE(FilterDialogChecks::Check(e, {}).accepted) << k.text << ": unticked";
        e.shown.*k.flag = 1;
        const auto o = FilterDialogChecks::Check(e, {});
        if (k.focus == FilterDialogField::None) {
            EXPECT_TRUE(o.accepted) << k.text;
        } else {
            ExpectRefused(o, FilterDialogChecks::UnclosedBracketMessage(k.label), k.focus);
        }
    }
    EXPECT_EQ(FilterDialogChecks::UnclosedBracketMessage("Stn"),
              "The Stn entry has a \"[\" that is not closed by \"]\".\nWrite [[] for the character \"[\" itself.");
}
