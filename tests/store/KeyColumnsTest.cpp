#include <gtest/gtest.h>

#include <set>
#include <string>

#include "store/ColumnTable.h"
#include "store/KeyColumns.h"

namespace zofar {
namespace {

TEST(KeyColumns, areFourteenDistinctListColumnsEachWithItsOwnCommands) {
    std::set<std::string_view> columns;
    std::set<CommandId> commands;
    for (const auto& key : kKeyColumns) {
        const auto number = ColumnNumber(key.column);
        ASSERT_TRUE(number.has_value()) << key.column;
        EXPECT_GE(*number, 1) << "UNIQUEID is no list column";
        columns.insert(key.column);
        commands.insert(key.sortCommand);
        commands.insert(key.goToCommand);
        EXPECT_TRUE(key.sortPrompt.starts_with("Sort records by ")) << key.sortPrompt;
        EXPECT_TRUE(key.goToPrompt.starts_with("Go to the record with the ")) << key.goToPrompt;
    }
    EXPECT_EQ(columns.size(), 14u);
    EXPECT_EQ(commands.size(), 28u);
    EXPECT_EQ(kKeyColumns.front().column, "FREQ");
    EXPECT_EQ(kKeyColumns.back().column, "P");
}

TEST(KeyColumns, areFoundByTheirExactNameAndByEitherCommand) {
    EXPECT_EQ(FindKeyColumn("LC")->sortCommand, CommandId::SortLc);
    EXPECT_EQ(FindKeyColumn("LC")->goToCommand, CommandId::GoToLc);
    EXPECT_EQ(FindKeyColumn("station"), nullptr);
    for (const char* other : {"REMARKS", "POWER", "DAYS", "MODU", "UNIQUEID", ""}) {
        EXPECT_FALSE(IsKeyColumn(other)) << other;
    }
    EXPECT_EQ(KeyColumnOfCommand(CommandId::SortStart)->column, "START");
    EXPECT_EQ(KeyColumnOfCommand(CommandId::GoToTargetArea)->column, "TARGETAR");
    EXPECT_EQ(KeyColumnOfCommand(CommandId::SetFilter), nullptr);
}

TEST(KeyColumns, goToDialogsTakeTheColumnsLabelAndSearchMode) {
    const struct {
        std::string_view column;
        std::string_view label;
        GoToMode mode;
    } cases[] = {
        {"FREQ", "Frequency", GoToMode::Number},  {"STATION", "Station", GoToMode::Choice},
        {"STATUS", "Status", GoToMode::Exact},    {"ITU", "ITU", GoToMode::Exact},
        {"LC", "Location Code", GoToMode::Exact}, {"START", "Start Time", GoToMode::Exact},
        {"END", "End Time", GoToMode::Exact},     {"TARGETAR", "Target Area", GoToMode::Choice},
        {"P", "Program Type", GoToMode::Exact},   {"LANGUAGE", "Language", GoToMode::Choice},
    };
    for (const auto& c : cases) {
        const KeyColumn* key = FindKeyColumn(c.column);
        ASSERT_NE(key, nullptr) << c.column;
        EXPECT_EQ(key->goToLabel, c.label);
        EXPECT_EQ(key->goToMode, c.mode) << c.column;
    }
}

}  // namespace
}  // namespace zofar
