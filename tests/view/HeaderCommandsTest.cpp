#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/CommandTable.h"
#include "store/ColumnTable.h"
#include "view/HeaderCommands.h"

namespace zofar {
namespace {

constexpr int kLc = 9;
constexpr int kRemarks = 19;

TEST(HeaderCommands, clickOnLcSortsByLocationCode) {
    EXPECT_EQ(HeaderCommands::ClickCommand(kLc), static_cast<int>(CommandId::SortLc));
    EXPECT_EQ(HeaderCommands::DoubleClickCommand(kLc), static_cast<int>(CommandId::GoToLc));
}

TEST(HeaderCommands, clickOnRemarksDoesNothing) {
    EXPECT_FALSE(HeaderCommands::ClickCommand(kRemarks));
    EXPECT_FALSE(HeaderCommands::DoubleClickCommand(kRemarks));
}

TEST(HeaderCommands, exactlyTheCapitalisedColumnsHaveCommandsAndEachItsOwn) {
    std::vector<int> sorts, gotos;
    for (int c = 0; c < kFieldCount; ++c) {
        const auto click = HeaderCommands::ClickCommand(c);
        const auto doubleClick = HeaderCommands::DoubleClickCommand(c);
        EXPECT_EQ(click.has_value(), FieldColumn(c).capitals) << c;
        EXPECT_EQ(doubleClick.has_value(), FieldColumn(c).capitals) << c;
        if (click) sorts.push_back(*click);
        if (doubleClick) gotos.push_back(*doubleClick);
    }
    std::sort(sorts.begin(), sorts.end());
    std::sort(gotos.begin(), gotos.end());
    EXPECT_EQ(std::unique(sorts.begin(), sorts.end()), sorts.end());
    EXPECT_EQ(std::unique(gotos.begin(), gotos.end()), gotos.end());
    EXPECT_EQ(sorts.size(), 14u);
    EXPECT_EQ(gotos.size(), 14u);
}

TEST(HeaderCommands, frequencyAndTargetAreaMapToTheirMenuCommands) {
    EXPECT_EQ(HeaderCommands::ClickCommand(0), static_cast<int>(CommandId::SortFrequency));
    EXPECT_EQ(HeaderCommands::DoubleClickCommand(0), static_cast<int>(CommandId::GoToFrequency));
    EXPECT_EQ(HeaderCommands::ClickCommand(15), static_cast<int>(CommandId::SortTargetArea));
    EXPECT_EQ(HeaderCommands::DoubleClickCommand(15), static_cast<int>(CommandId::GoToTargetArea));
}

TEST(HeaderCommands, columnsOutsideTheListHaveNoCommand) {
    EXPECT_FALSE(HeaderCommands::ClickCommand(-1));
    EXPECT_FALSE(HeaderCommands::ClickCommand(kFieldCount));
    EXPECT_FALSE(HeaderCommands::DoubleClickCommand(kFieldCount));
}

}  // namespace
}  // namespace zofar
