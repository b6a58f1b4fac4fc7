#include <gtest/gtest.h>

#include <string>

#include "output/OutputCell.h"

namespace zofar {
namespace {

constexpr int kFreq = 0;
constexpr int kStation = 1;
constexpr int kMode = 3;
constexpr int kCountry = 7;

struct CellCase {
    const char* what;
    int column;
    FieldValue value;
    std::string printed;
    std::string padded;
};

TEST(OutputCell, cellsArePrintedWholeAndPaddedToTheFieldSizeForTheClipboard) {
    const std::string station22 = "Radio Twentytwo Letter";
    const CellCase cases[] = {
        {"frequency of seven characters gets one filler", kFreq, 15435.0, "15435.0", "15435.0 "},
        {"frequency of eight characters gets none", kFreq, 100000.0, "100000.0", "100000.0"},
        {"small frequency is right-aligned in seven", kFreq, 6005.0, " 6005.0", " 6005.0 "},
        {"frequency rounds to one decimal", kFreq, 9400.04, " 9400.0", " 9400.0 "},
        {"null frequency is blank", kFreq, FieldValue{}, "", std::string(8, ' ')},
        {"station of 22 characters gets no filler", kStation, station22, station22, station22},
        {"null station is 22 blanks", kStation, FieldValue{}, "", std::string(22, ' ')},
        {"short text is filled", kMode, std::string("A"), "A", "A"},
        {"empty text is filled", kMode, std::string(), "", " "},
        {"longer text is never cut", kMode, std::string("AM"), "AM", "AM"},
        {"filler counts characters, not bytes", kCountry, std::string("Côte d'Ivoire"), "Côte d'Ivoire",
         "Côte d'Ivoire     "},
        {"a number in a text column gives nothing", kStation, 12.5, "", std::string(22, ' ')},
        {"a text in the frequency column gives nothing", kFreq, std::string("6005"), "", std::string(8, ' ')},
        {"no such column gives nothing", 24, std::string("x"), "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OutputCell(c.column, c.value), c.printed) << c.what;
        EXPECT_EQ(PaddedOutputCell(c.column, c.value), c.padded) << c.what;
    }
}

}  // namespace
}  // namespace zofar
