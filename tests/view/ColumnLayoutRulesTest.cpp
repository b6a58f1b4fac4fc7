#include <gtest/gtest.h>

#include <utility>

#include "view/ColumnLayoutRules.h"

namespace zofar {
namespace {

TEST(ColumnLayoutRules, firstStartGivesTableOrderAndDefaultWidths) {
    const ColumnGeometry g = ApplyColumnLayout(ColumnLayout{}, 7);
    for (int c = 0; c < kFieldCount; ++c) EXPECT_EQ(g.position[static_cast<size_t>(c)], c);
    EXPECT_EQ(g.width[0], 11 * 7);  // FREQ
    EXPECT_EQ(g.width[1], 23 * 7);  // STATION
    EXPECT_EQ(g.width[23], 7 * 7);  // LATI
}

TEST(ColumnLayoutRules, averageCharWidthIsAlphabetWidthDividedBy26) {
    EXPECT_EQ(AverageCharWidth(181), 6);
    EXPECT_EQ(AverageCharWidth(182), 7);
    EXPECT_EQ(DefaultColumnWidth(9, 6), 24);  // LC: 4 characters
}

TEST(ColumnLayoutRules, storedWidthsAreUsedAsTheyAreAndSmallOnesStayHidden) {
    ColumnLayout stored;
    stored.widths[0] = 4;
    stored.widths[1] = 5;
    stored.widths[2] = 0;
    stored.widths[4] = 300;
    const ColumnGeometry g = ApplyColumnLayout(stored, 6);
    EXPECT_EQ(g.width[0], 4);
    EXPECT_EQ(g.width[1], 5);
    EXPECT_EQ(g.width[2], 0);
    EXPECT_EQ(g.width[4], 300);
    EXPECT_EQ(g.width[3], 7 * 6);  // MODU keeps its default
    EXPECT_TRUE(IsHiddenColumnWidth(g.width[0]));
    EXPECT_TRUE(IsHiddenColumnWidth(g.width[1]));
    EXPECT_TRUE(IsHiddenColumnWidth(g.width[2]));
    EXPECT_FALSE(IsHiddenColumnWidth(g.width[3]));
}

TEST(ColumnLayoutRules, hiddenMeansBelowEightPixelsButNotTheDefaultMarker) {
    EXPECT_TRUE(IsHiddenColumnWidth(0));
    EXPECT_TRUE(IsHiddenColumnWidth(7));
    EXPECT_FALSE(IsHiddenColumnWidth(8));
    EXPECT_FALSE(IsHiddenColumnWidth(-1));
}

TEST(ColumnLayoutRules, swappedOrderIsApplied) {
    ColumnLayout stored;
    std::swap(stored.order[0], stored.order[1]);
    const ColumnGeometry g = ApplyColumnLayout(stored, 6);
    EXPECT_EQ(g.position[0], 1);
    EXPECT_EQ(g.position[1], 0);
}

TEST(ColumnLayoutRules, orderThatIsNotAPermutationIsAppliedAsTableOrder) {
    ColumnLayout repeated;
    repeated.order[5] = 0;
    ColumnLayout outOfRange;
    outOfRange.order[23] = 24;
    ColumnLayout negative;
    negative.order[0] = -1;
    for (const ColumnLayout& bad : {repeated, outOfRange, negative}) {
        EXPECT_FALSE(IsColumnPermutation(bad.order));
        const ColumnGeometry g = ApplyColumnLayout(bad, 5);
        for (int c = 0; c < kFieldCount; ++c) EXPECT_EQ(g.position[static_cast<size_t>(c)], c);
    }
}

TEST(ColumnLayoutRules, captureAfterApplyGivesTheStoredLayoutBackWithDefaultsResolved) {
    ColumnLayout stored;
    std::swap(stored.order[0], stored.order[1]);
    stored.widths[0] = 120;
    stored.widths[4] = 4;
    const ColumnLayout captured = CaptureColumnLayout(ApplyColumnLayout(stored, 6));
    EXPECT_EQ(captured.order, stored.order);
    EXPECT_EQ(captured.widths[0], 120);
    EXPECT_EQ(captured.widths[4], 4);
    EXPECT_EQ(captured.widths[1], 23 * 6);
    EXPECT_EQ(CaptureColumnLayout(ApplyColumnLayout(captured, 9)), captured);
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
