#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zofar {

/// The commands behind the list's column headers: a click sorts by the column, a double-click
/// opens the column's go-to search. Key columns have both as menu commands; the extra fields
/// sort by their name and have no go-to search; the other columns have neither. Columns are
/// named by their browse-set field index.
class HeaderCommands {
public:
    /// The sort command id for a key column's field; nothing for the other fields. On the field
    /// that shows `sortKey`, the command that reverses the order instead.
    static std::optional<int> ClickCommand(int field, std::string_view sortKey = {});
    /// The sort key a click on an extra field's header sorts by; nothing for the other fields.
    static std::optional<std::string> ClickSortKey(int field);
    /// The go-to command id for a key column's field; nothing for the other fields.
    static std::optional<int> DoubleClickCommand(int field);
    /// The field that shows `sortKey` and carries the sort mark; nothing for an empty key or one
    /// that names neither a key column nor an extra field.
    static std::optional<int> SortedColumn(std::string_view sortKey);
};

}  // namespace zofar
