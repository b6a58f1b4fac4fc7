#include <gtest/gtest.h>

#include "base/CommandId.h"
#include "store/ColumnTable.h"
#include "view/HeaderCommands.h"

namespace zofar {
namespace {

TEST(HeaderCommands, keyColumnsSortOnAClickAndGoToOnADoubleClickOtherColumnsDoNothing) {
    constexpr int kFreq = 0, kLc = 9, kTargetAr = 15, kRemarks = 19;
    EXPECT_EQ(HeaderCommands::ClickCommand(kFreq), static_cast<int>(CommandId::SortFrequency));
    EXPECT_EQ(HeaderCommands::DoubleClickCommand(kFreq), static_cast<int>(CommandId::GoToFrequency));
    EXPECT_EQ(HeaderCommands::ClickCommand(kLc), static_cast<int>(CommandId::SortLc));
    EXPECT_EQ(HeaderCommands::DoubleClickCommand(kTargetAr), static_cast<int>(CommandId::GoToTargetArea));
    for (int column : {kRemarks, -1, kFieldCount}) {
        EXPECT_FALSE(HeaderCommands::ClickCommand(column)) << column;
        EXPECT_FALSE(HeaderCommands::DoubleClickCommand(column)) << column;
    }
}

TEST(HeaderCommands, aClickOnTheSortedColumnReversesTheOrderOthersSortByTheirColumn) {
    constexpr int kFreq = 0, kStation = 1, kRemarks = 19;
    const auto descending = static_cast<int>(CommandId::SortDescending);
    EXPECT_EQ(HeaderCommands::ClickCommand(kStation, "STATION"), descending);
    EXPECT_EQ(HeaderCommands::ClickCommand(kFreq, "STATION"), static_cast<int>(CommandId::SortFrequency));
    EXPECT_EQ(HeaderCommands::ClickCommand(kFreq, "FREQ"), descending);
    EXPECT_FALSE(HeaderCommands::ClickCommand(kRemarks, "REMARKS"));
}

TEST(HeaderCommands, theSortMarkGoesToTheColumnOfTheSortKeyOnly) {
    const struct {
        const char* sortKey;
        std::optional<int> column;
    } cases[] = {{"FREQ", 0},
                 {"STATION", 1},
                 {"LC", 9},
                 {"TARGETAR", 15},
                 {"P", 18},
                 {"", std::nullopt},
                 {"REMARKS", std::nullopt},
                 {"station", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(HeaderCommands::SortedColumn(c.sortKey), c.column) << c.sortKey;
}

}  // namespace
}  // namespace zofar
