#include "view/HeaderCommands.h"

#include "base/CommandId.h"
#include "store/ColumnTable.h"
#include "store/KeyColumns.h"

namespace zofar {
namespace {

// Looked up by field name, so the list's columns and the menus cannot drift apart by position.
const KeyColumn* KeyColumnOfField(int field) {
    if (field < 0 || field >= kFieldCount) return nullptr;
    return FindKeyColumn(FieldColumn(field).name);
}

bool IsExtraField(int field) { return field >= kFirstExtensionField && field < kAllFieldCount; }

}  // namespace

std::optional<int> HeaderCommands::ClickCommand(int field, std::string_view sortKey) {
    // A click on the column the list is sorted by turns the order round.
    if (!sortKey.empty() && SortedColumn(sortKey) == field) return static_cast<int>(CommandId::SortDescending);
    const KeyColumn* key = KeyColumnOfField(field);
    if (!key) return std::nullopt;
    return static_cast<int>(key->sortCommand);
}

std::optional<std::string> HeaderCommands::ClickSortKey(int field) {
    if (!IsExtraField(field)) return std::nullopt;
    return std::string(FieldColumn(field).name);
}

std::optional<int> HeaderCommands::DoubleClickCommand(int field) {
    const KeyColumn* key = KeyColumnOfField(field);
    if (!key) return std::nullopt;
    return static_cast<int>(key->goToCommand);
}

std::optional<int> HeaderCommands::SortedColumn(std::string_view sortKey) {
    const std::optional<int> field = FieldNumber(sortKey);
    if (!field) return std::nullopt;
    if (IsExtraField(*field) || IsKeyColumn(sortKey)) return field;
    return std::nullopt;
}

}  // namespace zofar
