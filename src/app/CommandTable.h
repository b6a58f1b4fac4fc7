#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace zofar {

/// Every command of the program. The numbers are the program's historic command ids; the
/// toolbar layout and the list view's header commands refer to them.
enum class CommandId : int {
    None = 0,
    // Database
    Open = 32774,
    Close = 32772,
    Create = 32771,
    Delete = 32773,
    Print = 32831,
    Clipboard = 32829,
    Exit = 57665,
    // Filter
    SetFilter = 32801,
    DisableFilter = 32802,
    SelectPredefinedFilter = 32833,
    ManagePredefinedFilters = 32834,
    // Sort
    SortFrequency = 32779,
    SortStation = 32780,
    SortStn = 32810,
    SortStatus = 32814,
    SortLocation = 32781,
    SortRegion = 32811,
    SortCountry = 32782,
    SortItu = 32783,
    SortLc = 32815,
    SortStart = 32784,
    SortEnd = 32785,
    SortLanguage = 32786,
    SortTargetArea = 32787,
    SortProgramStructure = 32816,
    // Go to
    GoToFrequency = 32791,
    GoToStation = 32793,
    GoToStn = 32813,
    GoToStatus = 32817,
    GoToLocation = 32818,
    GoToRegion = 32819,
    GoToCountry = 32795,
    GoToItu = 32796,
    GoToLc = 32820,
    GoToStart = 32797,
    GoToEnd = 32821,
    GoToLanguage = 32822,
    GoToTargetArea = 32824,
    GoToProgramStructure = 32823,
    // Receiver
    Tune = 32805,
    FindCreateStation = 32806,
    ReceiverProgram = 32837,
    // View
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    // Help
    HelpTopics = 57667,
    About = 57664,
    // Not on a menu: sent by the print dialog's setup button.
    PrintSetup = 57606,
};

/// When a command may run.
enum class EnableRule {
    Always,
    DatabaseOpen,    ///< only while a database is open
    NoDatabaseOpen,  ///< only while none is open
};

/// What a command's check mark follows.
enum class CheckRule {
    None,
    FilterOff,         ///< checked while the filter is switched off
    ToolbarVisible,
    StatusBarVisible,
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
