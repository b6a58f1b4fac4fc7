#include "view/HeaderCommands.h"

#include "store/ColumnTable.h"
#include "store/KeyColumns.h"

namespace zofar {
namespace {

// Looked up by field name, so the list's columns and the menus cannot drift apart by position.
const KeyColumn* KeyColumnOfListColumn(int column) {
    if (column < 0 || column >= kFieldCount) return nullptr;
    return FindKeyColumn(FieldColumn(column).name);
}

}  // namespace

std::optional<int> HeaderCommands::ClickCommand(int column) {
    const KeyColumn* key = KeyColumnOfListColumn(column);
    if (!key) return std::nullopt;
    return static_cast<int>(key->sortCommand);
}

std::optional<int> HeaderCommands::DoubleClickCommand(int column) {
    const KeyColumn* key = KeyColumnOfListColumn(column);
    if (!key) return std::nullopt;
    return static_cast<int>(key->goToCommand);
}

std::optional<int> HeaderCommands::SortedColumn(std::string_view sortKey) {
    if (!IsKeyColumn(sortKey)) return std::nullopt;
    for (int column = 0; column < kFieldCount; ++column) {
        if (FieldColumn(column).name == sortKey) return column;
    }
    return std::nullopt;
}

}  // namespace zofar
