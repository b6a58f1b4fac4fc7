#include <gtest/gtest.h>

#include <set>
#include <string>

#include "selection/SortOrder.h"
#include "store/ColumnTable.h"

using namespace zofar;

TEST(SortOrder, menuListsFourteenCommandsWithDistinctIdsAndKeys) {
    const auto commands = SortOrder::Commands();
    ASSERT_EQ(commands.size(), 14u);
    std::set<int> ids;
    std::set<std::string_view> keys;
    for (const auto& c : commands) {
        ids.insert(c.commandId);
        keys.insert(c.key);
        EXPECT_TRUE(c.prompt.starts_with("Sort records by ")) << c.prompt;
    }
    EXPECT_EQ(ids.size(), 14u);
    EXPECT_EQ(keys.size(), 14u);
    EXPECT_EQ(commands.front().commandId, 32779);
    EXPECT_EQ(commands.back().menuText, "&Program structure (P)");
}

TEST(SortOrder, commandIdsLeadToTheirKeys) {
    EXPECT_EQ(SortOrder::KeyForCommand(32779), "FREQ");
    EXPECT_EQ(SortOrder::KeyForCommand(32787), "TARGETAR");
    EXPECT_EQ(SortOrder::KeyForCommand(32816), "P");
    EXPECT_EQ(SortOrder::KeyForCommand(32815), "LC");
    EXPECT_FALSE(SortOrder::KeyForCommand(32801).has_value());

    const auto start = SortOrder::FindCommand(32784);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->menuText, "St&art");
    EXPECT_EQ(start->prompt, "Sort records by start time");
}

TEST(SortOrder, headerClickFindsTheSortCommandOnlyForSortKeyColumns) {
    EXPECT_EQ(SortOrder::CommandForColumn("STATION"), 32780);
    EXPECT_EQ(SortOrder::CommandForColumn("END"), 32785);
    EXPECT_FALSE(SortOrder::CommandForColumn("REMARKS").has_value());
    EXPECT_FALSE(SortOrder::CommandForColumn("POWER").has_value());
    EXPECT_FALSE(SortOrder::CommandForColumn("DAYS").has_value());
    EXPECT_FALSE(SortOrder::CommandForColumn("station").has_value());
}

TEST(SortOrder, sortKeysAreExactlyTheListColumnsWithCapitalHeadings) {
    for (const auto& c : SortOrder::Commands()) EXPECT_TRUE(ColumnNumber(c.key).has_value()) << c.key;
    for (int i = 0; i < kFieldCount; ++i) {
        const ColumnInfo& column = FieldColumn(i);
        EXPECT_EQ(SortOrder::CommandForColumn(column.name).has_value(), column.capitals) << column.name;
    }
}
