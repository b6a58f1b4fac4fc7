#include <gtest/gtest.h>

#include "selection/GoToConditions.h"

using namespace zofar;

TEST(GoToConditions, substringWrapsTheTextExactAndExactModesTakeItAsTypedAndEmptyIsNeverWrapped) {
    struct Case {
        std::string text;
        GoToMode mode;
        bool exactMatch;
        std::string column;
        std::string condition;
    };
    const Case cases[] = {
        {"radio", GoToMode::Choice, false, "STATION", "STATION LIKE '*radio*'"},
        {"radio", GoToMode::Choice, true, "STATION", "STATION LIKE 'radio'"},
        {"", GoToMode::Choice, false, "STATION", "STATION LIKE ''"},
        {"D*", GoToMode::Exact, false, "ITU", "ITU LIKE 'D*'"},
        // Exact mode has no radios; a stray "Substring" answer must not wrap the text.
        {"06:00", GoToMode::Exact, false, "START", "START LIKE '06:00'"},
        {" Radio ", GoToMode::Choice, true, "STATION", "STATION LIKE ' Radio '"},
        {"O'Brien", GoToMode::Choice, false, "STATION", "STATION LIKE '*O''Brien*'"},
        {"'", GoToMode::Exact, false, "P", "P LIKE ''''"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GoToTextCondition(c.column, GoToPattern(c.text, c.mode, c.exactMatch)), c.condition) << c.text;
    }
}

TEST(GoToConditions, frequencyIsRightAlignedInNineCharactersWithOneDecimal) {
    EXPECT_EQ(GoToFrequencyCondition(6055), "FREQ >=    6055.0");
    EXPECT_EQ(GoToFrequencyCondition(15000), "FREQ >=   15000.0");
    EXPECT_EQ(GoToFrequencyCondition(1000000), "FREQ >= 1000000.0");
    EXPECT_EQ(GoToFrequencyCondition(9), "FREQ >=       9.0");
    EXPECT_EQ(GoToFrequencyCondition(6055.25), "FREQ >=    6055.2");
}

TEST(GoToConditions, aReportedFrequencyIsCutToWholeKilohertzTowardZero) {
    EXPECT_EQ(ReportedFrequencyKhz(6055500), 6055);
    EXPECT_EQ(ReportedFrequencyKhz(9420999), 9420);
    EXPECT_EQ(ReportedFrequencyKhz(9999), 9);
    EXPECT_EQ(ReportedFrequencyKhz(999), 0);
    EXPECT_EQ(ReportedFrequencyKhz(-1500), -1);
    EXPECT_EQ(ReportedFrequencyKhz(INT32_MIN), -2147483);
}
