#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "output/ColumnChoice.h"

namespace zofar {
namespace {

constexpr std::size_t kFreq = 0;
constexpr std::size_t kStation = 1;
constexpr std::size_t kMode = 3;
constexpr std::size_t kStatus = 4;

ColumnFlags AllFlags() {
    ColumnFlags flags;
    flags.fill(true);
    return flags;
}

TEST(OutputColumns, outputColumnsStandAtTheirDisplayPositions) {
    ColumnLayout layout;
    std::swap(layout.order[kFreq], layout.order[kStation]);
    layout.widths[kMode] = 7;  // hidden
    ColumnFlags flags = AllFlags();
    flags[kStatus] = false;
    const auto byPosition = OutputColumnsByPosition(layout, flags);
    EXPECT_EQ(byPosition[0], 1);
    EXPECT_EQ(byPosition[1], 0);
    EXPECT_EQ(byPosition[3], -1) << "hidden, whatever its flag";
    EXPECT_EQ(byPosition[4], -1) << "left out";
    EXPECT_EQ(byPosition[5], 5);
}

TEST(OutputColumns, damagedOrderIsTakenAsTableOrder) {
    ColumnLayout repeated;
    repeated.order[2] = 0;
    ColumnLayout outOfRange;
    outOfRange.order[2] = 24;
    for (const auto& layout : {repeated, outOfRange}) {
        const auto positions = DisplayPositions(layout);
        for (int c = 0; c < kFieldCount; ++c) EXPECT_EQ(positions[static_cast<std::size_t>(c)], c);
    }
}

TEST(ColumnChoice, offersTheShownColumnsInDisplayOrderWithCapitalNames) {
    ColumnLayout layout;
    // MODU moved to the far left: everything before it moves one place right.
    layout.order[kMode] = 0;
    layout.order[kFreq] = 1;
    layout.order[kStation] = 2;
    layout.order[2] = 3;
    layout.widths[kStatus] = 0;
    ColumnFlags flags = AllFlags();
    flags[kStation] = false;

    const ColumnChoice choice = BuildColumnChoice(layout, flags);
    ASSERT_EQ(choice.offered.size(), 23u);
    EXPECT_EQ(choice.offered[0], 0);
    EXPECT_EQ(choice.positions[0].column, 3);
    EXPECT_EQ(choice.positions[0].name, "MODU");
    EXPECT_EQ(choice.positions[2].name, "STATION");
    EXPECT_FALSE(choice.positions[2].checked);
    EXPECT_TRUE(choice.positions[1].checked);
    EXPECT_EQ(choice.positions[4].column, -1) << "STATUS is hidden";
    EXPECT_EQ(choice.offered[4], 5) << "the hidden position is skipped";
}

TEST(ColumnChoice, checksGoBackToTheirColumnsAndHiddenColumnsKeepTheirFlags) {
    ColumnLayout layout;
    std::swap(layout.order[kFreq], layout.order[kStation]);  // STATION first
    layout.widths[kMode] = 3;                                // hidden, flag set
    ColumnFlags flags = AllFlags();
    flags[kStatus] = false;
    const ColumnChoice choice = BuildColumnChoice(layout, flags);

    std::vector<bool> checks(choice.offered.size(), true);
    checks[0] = false;  // STATION, the first line
    checks[2] = true;   // STN
    checks[3] = true;   // STATUS: MODU is not offered, so line 3 is STATUS
    StoreColumnChoice(choice, checks, flags);
    EXPECT_FALSE(flags[kStation]);
    EXPECT_TRUE(flags[kFreq]);
    EXPECT_TRUE(flags[kStatus]);
    EXPECT_TRUE(flags[kMode]) << "a hidden column keeps its flag";

    flags[kMode] = false;
    StoreColumnChoice(choice, std::vector<bool>(choice.offered.size(), true), flags);
    EXPECT_FALSE(flags[kMode]);
}

TEST(ColumnChoice, linesTheChecksDoNotReachKeepTheirStates) {
    const ColumnFlags none{};
    const ColumnChoice choice = BuildColumnChoice(ColumnLayout{}, none);
    ColumnFlags flags = none;
    StoreColumnChoice(choice, {true, true}, flags);
    EXPECT_TRUE(flags[0]);
    EXPECT_TRUE(flags[1]);
    EXPECT_FALSE(flags[2]);
}

}  // namespace
}  // namespace zofar
