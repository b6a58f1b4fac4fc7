#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "output/PrintOptionsChecks.h"

namespace zofar {
namespace {

PrintOptionTexts Defaults() { return {"15", "15", "20", "15", "8"}; }

TEST(PrintOptionsChecks, wholeNumbersWithBlanksAndSignAreReadAndAnythingElseIsNot) {
    struct {
        const char* text;
        std::optional<int> value;
    } const cases[] = {
        {"12", 12},
        {" \t12 ", 12},
        {"+7", 7},
        {"-3", -3},
        {"007", 7},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"12mm", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"+", std::nullopt},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadDialogInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(PrintOptionsChecks, acceptedFieldsGiveTheirNumbers) {
    const PrintOptionsOutcome out = CheckPrintOptions({"1", "50", " 20", "15 ", "25"});
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(out.message, "");
    EXPECT_EQ(out.borderTop, 1);
    EXPECT_EQ(out.borderBottom, 50);
    EXPECT_EQ(out.borderLeft, 20);
    EXPECT_EQ(out.borderRight, 15);
    EXPECT_EQ(out.fontHeight, 25);
}

// The fields are checked bottom, left, right, top, then the font height; the first that fails
// gets the message and the focus, whatever the fields after it hold.
TEST(PrintOptionsChecks, firstFailingFieldInCheckOrderGetsItsMessageAndTheFocus) {
    const std::string borders = "Please enter an integer between 1 and 50.";
    const std::string font = "Please enter an integer between 2 and 25.";
    struct {
        const char* what;
        PrintOptionTexts texts;
        std::string message;
        PrintOptionField focus;
    } const cases[] = {
        {"top is checked after right", {"x", "15", "20", "0", "8"}, borders, PrintOptionField::BorderRight},
        {"bottom comes first", {"0", "abc", "0", "0", "1"}, "Please enter an integer.", PrintOptionField::BorderBottom},
        {"left after bottom", {"15", "15", "51", "x", "8"}, borders, PrintOptionField::BorderLeft},
        {"top before the font", {"", "15", "20", "15", "x"}, "Please enter an integer.", PrintOptionField::BorderTop},
        {"font too small", {"15", "15", "20", "15", "1"}, font, PrintOptionField::FontHeight},
        {"font too large", {"15", "15", "20", "15", "26"}, font, PrintOptionField::FontHeight},
        {"a huge number is out of range",
         {"15", "99999999999", "20", "15", "8"},
         borders,
         PrintOptionField::BorderBottom},
    };
    for (const auto& c : cases) {
        const PrintOptionsOutcome out = CheckPrintOptions(c.texts);
        EXPECT_FALSE(out.accepted) << c.what;
        EXPECT_EQ(out.message, c.message) << c.what;
        EXPECT_EQ(out.focus, c.focus) << c.what;
    }
    EXPECT_TRUE(CheckPrintOptions(Defaults()).accepted);
}

}  // namespace
}  // namespace zofar
