#pragma once

#include <optional>
#include <string_view>

namespace zofar {

/// The commands behind the list's column headers: a click sorts by the column, a double-click
/// opens the column's go-to search. Columns that cannot be sort keys have neither.
class HeaderCommands {
public:
    /// The sort command id for list column 0..23; nothing for the other columns.
    static std::optional<int> ClickCommand(int column);
    /// The go-to command id for list column 0..23; nothing for the other columns.
    static std::optional<int> DoubleClickCommand(int column);
    /// The list column that shows `sortKey` and carries the sort mark; nothing for an empty
    /// key or one that names no key column.
    static std::optional<int> SortedColumn(std::string_view sortKey);
};

}  // namespace zofar
