#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "base/CommandId.h"

namespace zofar {

/// When a command may run.
enum class EnableRule {
    Always,
    DatabaseOpen,    ///< only while a database is open
    NoDatabaseOpen,  ///< only while none is open
};

/// What a command's check mark follows.
enum class CheckRule {
    None,
    FilterOff,  ///< checked while the filter is switched off
    ToolbarVisible,
    StatusBarVisible,
    SortKey,       ///< checked while the command's column is the sort key; one at most in its menu
    RigConnected,  ///< checked while the rig connection is switched on
    SortDescending,  ///< checked while the sort key's order is reversed
};

/// One command: its menu text (with '&' mnemonic and "\t" key text), accelerator as
/// "Ctrl+<letter>" (empty for none) and prompt ("status text\ntool tip", tool tip optional).
struct CommandInfo {
    CommandId id;
    std::string_view text;
    std::string_view key;
    std::string_view prompt;
    EnableRule enable;
    CheckRule check;
};

/// A menu entry; CommandId::None stands for a separator.
struct MenuEntry {
    CommandId id;
};

struct MenuInfo {
    std::string_view title;
    std::span<const MenuEntry> entries;
};

/// The state the enable and check rules look at.
struct CommandContext {
    bool databaseOpen = false;
    bool filterOn = true;
    bool toolbarVisible = true;
    bool statusBarVisible = true;
    std::string_view sortKey;  ///< the document's sort key, empty while no database is open
    bool rigConnected = false;
    bool sortDescending = false;
};

struct CommandState {
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
};

inline constexpr int kToolbarSlotCount = 17;

/// Every command that is on a menu, in menu order.
std::span<const CommandInfo> AllCommands();
/// The seven menus of the menu bar, left to right.
std::span<const MenuInfo> Menus();
/// The command, or nullptr for an id that is not on a menu (PrintSetup, None, stray numbers).
const CommandInfo* FindCommand(CommandId id);
const CommandInfo* FindCommandById(int id);
/// Toolbar slots left to right; CommandId::None is a separator.
const std::array<CommandId, kToolbarSlotCount>& ToolbarSlots();
/// Commands that carry an accelerator key, in menu order.
std::vector<const CommandInfo*> AcceleratedCommands();

/// The enable rule and check mark of `id` in `context`. An unknown id is disabled.
CommandState EvaluateCommand(CommandId id, const CommandContext& context);

/// The part of a prompt shown in the message pane (before "\n").
std::string_view StatusPrompt(std::string_view prompt);
/// The part of a prompt shown as tool tip (after "\n"); empty when there is none.
std::string_view ToolTipPrompt(std::string_view prompt);

}  // namespace zofar
