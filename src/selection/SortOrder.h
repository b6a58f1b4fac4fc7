#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace zofar {

/// One entry of the Sort menu.
struct SortCommand {
    int commandId;
    std::string_view menuText;  ///< with its "&" mnemonic
    std::string_view key;       ///< the column name that becomes the sort key
    std::string_view prompt;    ///< the status bar text while the item is highlighted
};

/// The fourteen sort commands and the lookups between commands, keys and list columns.
class SortOrder {
public:
    /// Every sort command, in menu order.
    static std::span<const SortCommand> Commands();

    /// The command with this id; nothing when the id is not a sort command.
    static std::optional<SortCommand> FindCommand(int commandId);

    /// The sort key of a sort command; nothing when the id is not a sort command.
    static std::optional<std::string_view> KeyForCommand(int commandId);

    /// The sort command a click on the header of `columnName` sends; nothing for columns that
    /// cannot be sort keys. The name must match exactly (column names are upper case).
    static std::optional<int> CommandForColumn(std::string_view columnName);
};

}  // namespace zofar
