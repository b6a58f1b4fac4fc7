#include "view/HeaderCommands.h"

#include <array>
#include <string_view>
#include <utility>

#include "app/CommandTable.h"
#include "selection/SortOrder.h"
#include "store/ColumnTable.h"

namespace zofar {
namespace {

// Looked up by field name, like the sort commands, so that the list's columns and the Go to
// menu cannot drift apart by position.
constexpr std::array<std::pair<std::string_view, CommandId>, 14> kGoToCommands{{
    {"FREQ", CommandId::GoToFrequency},
    {"STATION", CommandId::GoToStation},
    {"STN", CommandId::GoToStn},
    {"STATUS", CommandId::GoToStatus},
    {"LOCATION", CommandId::GoToLocation},
    {"REGION", CommandId::GoToRegion},
    {"COUNTRY", CommandId::GoToCountry},
    {"ITU", CommandId::GoToItu},
    {"LC", CommandId::GoToLc},
    {"START", CommandId::GoToStart},
    {"END", CommandId::GoToEnd},
    {"LANGUAGE", CommandId::GoToLanguage},
    {"TARGETAR", CommandId::GoToTargetArea},
    {"P", CommandId::GoToProgramStructure},
}};

bool IsListColumn(int column) { return column >= 0 && column < kFieldCount; }

}  // namespace

std::optional<int> HeaderCommands::ClickCommand(int column) {
    if (!IsListColumn(column)) return std::nullopt;
    return SortOrder::CommandForColumn(FieldColumn(column).name);
}

std::optional<int> HeaderCommands::DoubleClickCommand(int column) {
    if (!IsListColumn(column)) return std::nullopt;
    const std::string_view name = FieldColumn(column).name;
    for (const auto& [field, command] : kGoToCommands) {
        if (field == name) return static_cast<int>(command);
    }
    return std::nullopt;
}

}  // namespace zofar
