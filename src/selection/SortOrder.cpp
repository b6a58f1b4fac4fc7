#include "selection/SortOrder.h"

#include <algorithm>
#include <array>

namespace zofar {

namespace {

constexpr std::array<SortCommand, 14> kCommands{{
    {32779, "&Frequency", "FREQ", "Sort records by frequency"},
    {32780, "&Station", "STATION", "Sort records by station"},
    {32810, "St&n", "STN", "Sort records by stn"},
    {32814, "Stat&us", "STATUS", "Sort records by status"},
    {32781, "&Location", "LOCATION", "Sort records by location"},
    {32811, "&Region", "REGION", "Sort records by region"},
    {32782, "Countr&y", "COUNTRY", "Sort records by country"},
    {32783, "Country code (&ITU)", "ITU", "Sort records by country code"},
    {32815, "Location code (L&C)", "LC", "Sort records by location code"},
    {32784, "St&art", "START", "Sort records by start time"},
    {32785, "&End", "END", "Sort records by end time"},
    {32786, "Lan&guage", "LANGUAGE", "Sort records by language"},
    {32787, "&Target area", "TARGETAR", "Sort records by target area"},
    {32816, "&Program structure (P)", "P", "Sort records by program structure"},
}};

}  // namespace

std::span<const SortCommand> SortOrder::Commands() { return kCommands; }

std::optional<SortCommand> SortOrder::FindCommand(int commandId) {
    const auto it = std::ranges::find(kCommands, commandId, &SortCommand::commandId);
    if (it == kCommands.end()) return std::nullopt;
    return *it;
}

std::optional<std::string_view> SortOrder::KeyForCommand(int commandId) {
    const auto command = FindCommand(commandId);
    if (!command) return std::nullopt;
    return command->key;
}

std::optional<int> SortOrder::CommandForColumn(std::string_view columnName) {
    const auto it = std::ranges::find(kCommands, columnName, &SortCommand::key);
    if (it == kCommands.end()) return std::nullopt;
    return it->commandId;
}

}  // namespace zofar
