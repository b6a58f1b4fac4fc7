#include <gtest/gtest.h>

#include <string>

#include "view/ColumnLayoutRules.h"

namespace zofar {
namespace {

std::string IdentityText() {
    ColumnLayout identity;
    return FormatColumnList(identity.order);
}

TEST(ColumnLayoutRules, firstStartGivesTableOrderAndDefaultWidths) {
    const ColumnLayout stored = ParseColumnLayout("", "");
    EXPECT_EQ(stored, ColumnLayout{});
    const ColumnGeometry g = ApplyColumnLayout(stored, 7);
    for (int c = 0; c < kFieldCount; ++c) EXPECT_EQ(g.position[static_cast<size_t>(c)], c);
    EXPECT_EQ(g.width[0], 11 * 7);   // FREQ
    EXPECT_EQ(g.width[1], 23 * 7);   // STATION
    EXPECT_EQ(g.width[23], 7 * 7);   // LATI
}

TEST(ColumnLayoutRules, averageCharWidthIsAlphabetWidthDividedBy26) {
    EXPECT_EQ(AverageCharWidth(181), 6);
    EXPECT_EQ(AverageCharWidth(182), 7);
    EXPECT_EQ(DefaultColumnWidth(9, 6), 24);  // LC: 4 characters
}

TEST(ColumnLayoutRules, swappedOrderIsTaken) {
    std::string text = "1,0";
    for (int c = 2; c < kFieldCount; ++c) text += "," + std::to_string(c);
    const auto order = ParseColumnOrder(text);
    EXPECT_EQ(order[0], 1);
    EXPECT_EQ(order[1], 0);
    EXPECT_EQ(FormatColumnList(order), text);
}

TEST(ColumnLayoutRules, orderWithRepeatedValueOrTooFewOrBadPieceFallsBackToTableOrder) {
    std::string repeated = "0,0";
    for (int c = 2; c < kFieldCount; ++c) repeated += "," + std::to_string(c);
    EXPECT_EQ(FormatColumnList(ParseColumnOrder(repeated)), IdentityText());

    std::string shortList = "1,0";
    for (int c = 2; c < kFieldCount - 1; ++c) shortList += "," + std::to_string(c);
    EXPECT_EQ(FormatColumnList(ParseColumnOrder(shortList)), IdentityText());

    std::string bad = "1,x";
    for (int c = 2; c < kFieldCount; ++c) bad += "," + std::to_string(c);
    EXPECT_EQ(FormatColumnList(ParseColumnOrder(bad)), IdentityText());

    std::string outOfRange = "1,24";
    for (int c = 2; c < kFieldCount; ++c) outOfRange += "," + std::to_string(c);
    EXPECT_EQ(FormatColumnList(ParseColumnOrder(outOfRange)), IdentityText());
}

TEST(ColumnLayoutRules, orderSkipsEmptyPiecesAndIgnoresExtraOnes) {
    std::string text = ",1,,0";
    for (int c = 2; c < kFieldCount; ++c) text += "," + std::to_string(c);
    text += ",99,abc";
    const auto order = ParseColumnOrder(text);
    EXPECT_EQ(order[0], 1);
    EXPECT_EQ(order[1], 0);
    EXPECT_EQ(order[23], 23);
}

TEST(ColumnLayoutRules, storedWidthsBelowFourOrAboveThousandComeBackAsFourAndHidden) {
    const auto widths = ParseColumnWidths("0,5,2000");
    EXPECT_EQ(widths[0], 4);
    EXPECT_EQ(widths[1], 5);
    EXPECT_EQ(widths[2], 4);
    for (int c = 3; c < kFieldCount; ++c) EXPECT_EQ(widths[static_cast<size_t>(c)], -1);

    ColumnLayout stored;
    stored.widths = widths;
    const ColumnGeometry g = ApplyColumnLayout(stored, 6);
    EXPECT_TRUE(IsHiddenColumnWidth(g.width[0]));
    EXPECT_TRUE(IsHiddenColumnWidth(g.width[1]));
    EXPECT_TRUE(IsHiddenColumnWidth(g.width[2]));
    EXPECT_FALSE(IsHiddenColumnWidth(g.width[3]));
    EXPECT_EQ(g.width[3], 7 * 6);  // MODU
}

TEST(ColumnLayoutRules, widthsStopAtFirstPieceThatDoesNotRead) {
    const auto widths = ParseColumnWidths("100,abc,50");
    EXPECT_EQ(widths[0], 100);
    EXPECT_EQ(widths[1], -1);
    EXPECT_EQ(widths[2], -1);
    EXPECT_EQ(ParseColumnWidths("-1,-2,3,1001,1000,4")[1], 4);
    EXPECT_EQ(ParseColumnWidths("-1,-2,3,1001,1000,4")[0], -1);
    EXPECT_EQ(ParseColumnWidths("-1,-2,3,1001,1000,4")[4], 1000);
    EXPECT_EQ(ParseColumnWidths("99999999999999999999")[0], -1);
}

TEST(ColumnLayoutRules, hiddenMeansBelowEightPixelsButNotTheDefaultMarker) {
    EXPECT_TRUE(IsHiddenColumnWidth(0));
    EXPECT_TRUE(IsHiddenColumnWidth(7));
    EXPECT_FALSE(IsHiddenColumnWidth(8));
    EXPECT_FALSE(IsHiddenColumnWidth(-1));
}

TEST(ColumnLayoutRules, damagedOrderInDocumentIsAppliedAsTableOrder) {
    ColumnLayout damaged;
    damaged.order[5] = 0;
    const ColumnGeometry g = ApplyColumnLayout(damaged, 5);
    for (int c = 0; c < kFieldCount; ++c) EXPECT_EQ(g.position[static_cast<size_t>(c)], c);
}

TEST(ColumnLayoutRules, captureAfterApplyGivesTheStoredLayoutBack) {
    ColumnLayout stored;
    std::swap(stored.order[0], stored.order[1]);
    stored.widths[0] = 120;
    stored.widths[4] = 4;
    const ColumnLayout captured = CaptureColumnLayout(ApplyColumnLayout(stored, 6));
    EXPECT_EQ(captured.order, stored.order);
    EXPECT_EQ(captured.widths[0], 120);
    EXPECT_EQ(captured.widths[4], 4);
    EXPECT_EQ(captured.widths[1], 23 * 6);
    EXPECT_EQ(ParseColumnWidths(FormatColumnList(captured.widths)), captured.widths);
}

TEST(ColumnLayoutRules, headingsAreCapitalsForSortableColumnsOnly) {
    EXPECT_EQ(ColumnHeading(0), "FREQ");
    EXPECT_EQ(ColumnHeading(3), "modu");
    EXPECT_EQ(ColumnHeading(9), "LC");
    EXPECT_EQ(ColumnHeading(12), "days");
    EXPECT_EQ(ColumnHeading(15), "TARGETAR");
    EXPECT_EQ(ColumnHeading(19), "remarks");
    EXPECT_EQ(ColumnHeading(23), "lati");
}

}  // namespace
}  // namespace zofar
