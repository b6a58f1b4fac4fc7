#include <gtest/gtest.h>

#include "base/TextRules.h"

using namespace zofar;

TEST(TextRules, timeAcceptsWhatStrtolReadsAsHoursAndMinutes) {
    for (const char* valid : {"00:00", "23:59", "24:00", "24:59", " 7:05", "07:+5", "+7:05"}) {
        EXPECT_TRUE(IsValidTime(valid)) << valid;
    }
}

TEST(TextRules, timeRejectsWrongLengthRangeOrSeparator) {
    for (const char* invalid :
         {"", "7:05", "07:050", "24:60", "25:00", "-1:00", "07-30", "07:3", "07:3x", "ab:cd", "0x:00"}) {
        EXPECT_FALSE(IsValidTime(invalid)) << invalid;
    }
    EXPECT_FALSE(IsValidTime(std::string("07\0:00", 5)));
}

TEST(TextRules, numberWithCommaIsReadAndTheCallersTextRewritten) {
    std::string text = "5,5";
    double value = -1;
    EXPECT_TRUE(ParseNumberText(text, value));
    EXPECT_DOUBLE_EQ(value, 5.5);
    EXPECT_EQ(text, "5.5");
}

TEST(TextRules, onlyTheFirstCommaBecomesAPoint) {
    std::string text = "1,234,5";
    double value = -1;
    EXPECT_FALSE(ParseNumberText(text, value));
    EXPECT_EQ(value, 0.0);
    EXPECT_EQ(text, "1.234,5");
}

TEST(TextRules, numberMayHaveLeadingAndTrailingBlanksButNoUnit) {
    std::string spaced = "  -3e2 \t ";
    double value = 0;
    EXPECT_TRUE(ParseNumberText(spaced, value));
    EXPECT_DOUBLE_EQ(value, -300.0);

    std::string unit = "5.5 kHz";
    value = -1;
    EXPECT_FALSE(ParseNumberText(unit, value));
    EXPECT_EQ(value, 0.0);

    std::string newline = "5.5\n";
    EXPECT_FALSE(ParseNumberText(newline, value));
}

TEST(TextRules, emptyOrBlankTextIsZero) {
    for (std::string text : {"", "   ", "\t"}) {
        double value = -1;
        EXPECT_TRUE(ParseNumberText(text, value));
        EXPECT_EQ(value, 0.0);
    }
}

TEST(TextRules, numbersThatAreNotFiniteAreRefused) {
    for (std::string text : {"inf", "nan", "1e999", "-infinity"}) {
        double value = -1;
        EXPECT_FALSE(ParseNumberText(text, value)) << text;
        EXPECT_EQ(value, 0.0);
    }
}

TEST(TextRules, oneDecimalFormatUsesAPointAndRounds) {
    EXPECT_EQ(FormatOneDecimal(5.5), "5.5");
    EXPECT_EQ(FormatOneDecimal(1000000.0), "1000000.0");
    EXPECT_EQ(FormatOneDecimal(6055.04), "6055.0");
    EXPECT_EQ(FormatOneDecimal(-0.25), "-0.2");
}
