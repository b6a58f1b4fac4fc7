#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>

#include "view/CellText.h"

namespace zofar {
namespace {

TEST(CellText, frequencyIsSevenWideWithOneDecimalAndTwoTrailingBlanks) {
    EXPECT_EQ(CellText(FieldValue{6070.0}), " 6070.0  ");
    EXPECT_EQ(CellText(FieldValue{153.0}), "  153.0  ");
    EXPECT_EQ(CellText(FieldValue{9999.96}), "10000.0  ");
    EXPECT_EQ(CellText(FieldValue{123456.7}), "123456.7  ");
}

TEST(CellText, frequencyUsesPointWhateverTheLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    // The test is only meaningful where such a locale is installed; the expectation holds either way.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const std::string text = CellText(FieldValue{9410.0});
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, " 9410.0  ");
}

TEST(CellText, textIsShownAsStoredAndNullAsEmpty) {
    EXPECT_EQ(CellText(FieldValue{std::string("BBC  ")}), "BBC  ");
    EXPECT_EQ(CellText(FieldValue{std::string("Zürich")}), "Zürich");
    EXPECT_EQ(CellText(FieldValue{}), "");
}

TEST(CellText, integersAreDecimal) {
    EXPECT_EQ(CellText(FieldValue{int64_t{4711}}), "4711");
    EXPECT_EQ(CellText(FieldValue{int64_t{-3}}), "-3");
}

}  // namespace
}  // namespace zofar
