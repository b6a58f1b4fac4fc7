#include <gtest/gtest.h>

#include "selection/FilterDialogChecks.h"
#include "selection/GoToDialogChecks.h"

using namespace zofar;

TEST(GoToDialogChecks, frequencyMustBeANumberFromZeroToAMillion) {
    struct Case {
        std::string text;
        bool accepted;
        double kHz;
        std::string message;
    };
    const std::string notANumber = "Please enter a number.";
    const std::string outOfRange = "Please enter a number between 0 and 1000000.";
    const Case cases[] = {
        {"6055", true, 6055.0, ""},
        {" 6055,5 ", true, 6055.5, ""},
        {"0", true, 0.0, ""},
        {"1000000", true, 1000000.0, ""},
        {"", false, 0.0, notANumber},
        {"abc", false, 0.0, notANumber},
        {"60 55", false, 0.0, notANumber},
        {"inf", false, 0.0, notANumber},
        {"-0.1", false, 0.0, outOfRange},
        {"1000000.1", false, 0.0, outOfRange},
    };
    for (const Case& c : cases) {
        const GoToFrequencyOutcome outcome = CheckGoToFrequency(c.text);
        EXPECT_EQ(outcome.accepted, c.accepted) << c.text;
        EXPECT_EQ(outcome.message, c.message) << c.text;
        EXPECT_DOUBLE_EQ(outcome.kHz, c.kHz) << c.text;
    }
    EXPECT_EQ(InitialGoToFrequencyText(), "0");
}

TEST(GoToDialogChecks, searchTextHoldsAtMostFiftyCharactersCountedNotBytes) {
    EXPECT_EQ(CheckGoToText(""), "");
    EXPECT_EQ(CheckGoToText(std::string(50, 'a')), "");
    std::string umlauts;
    for (int i = 0; i < 50; ++i) umlauts += "\xC3\xA4";  // 50 times "ä", 100 bytes
    EXPECT_EQ(CheckGoToText(umlauts), "");
    EXPECT_EQ(CheckGoToText(std::string(51, 'a')), "Please enter no more than 50 characters.");
}

TEST(GoToDialogChecks, searchTextWithAnUnclosedBracketIsRefused) {
    EXPECT_EQ(CheckGoToText("[BBC"), FilterDialogChecks::UnclosedBracketMessage("Search String"));
    EXPECT_EQ(CheckGoToText("[B]BC|["), FilterDialogChecks::UnclosedBracketMessage("Search String"));
    EXPECT_EQ(CheckGoToText("[[]B"), "");
}
