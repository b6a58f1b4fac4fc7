#include "document/CommandTable.h"

#include "store/KeyColumns.h"

namespace zofar {

namespace {

using C = CommandId;
using E = EnableRule;
using K = CheckRule;

// The commands before and after the Sort and Go to menus; those two menus come from the
// key-column table.
constexpr std::array kLeadingCommands{
    CommandInfo{C::Open, "&Open...\tCtrl+O", "Ctrl+O", "Open an existing database\nOpen database", E::Always, K::None},
    CommandInfo{C::Close, "C&lose\tCtrl+L", "Ctrl+L", "Close the actual database\nClose database", E::DatabaseOpen,
                K::None},
    CommandInfo{C::Create, "Cr&eate...\tCtrl+E", "Ctrl+E", "Create a new database\nCreate database", E::NoDatabaseOpen,
                K::None},
    CommandInfo{C::Delete, "&Delete...\tCtrl+D", "Ctrl+D", "Delete an existing database\nDelete database",
                E::NoDatabaseOpen, K::None},
    CommandInfo{C::DownloadSchedule, "Do&wnload schedule...", "",
                "Download the current schedule and build its database\nDownload schedule", E::Always, K::None},
    CommandInfo{C::Print, "&Print...\tCtrl+P", "Ctrl+P", "Print\nPrint", E::DatabaseOpen, K::None},
    CommandInfo{C::Clipboard, "&Clipboard...\tCtrl+C", "Ctrl+C", "Copy to the clipboard\nClipboard", E::DatabaseOpen,
                K::None},
    CommandInfo{C::Export, "Expo&rt...", "", "Export records to a CSV file or an SDR program's bookmarks\nExport",
                E::DatabaseOpen, K::None},
    CommandInfo{C::Exit, "E&xit\tCtrl+X", "Ctrl+X", "Quit the application\nExit", E::Always, K::None},

    CommandInfo{C::SetFilter, "&Set filter...\tCtrl+Y", "Ctrl+Y", "Set the record filter\nSet filter", E::DatabaseOpen,
                K::None},
    CommandInfo{C::DisableFilter, "&Disable filter\tCtrl+N", "Ctrl+N",
                "Enable / Disable the record filter\nEnable / Disable filter", E::DatabaseOpen, K::FilterOff},
    CommandInfo{C::SelectPredefinedFilter, "Select &predefined filter...\tCtrl+W", "Ctrl+W",
                "Select a predefined record filter\nSelect predefined filter", E::DatabaseOpen, K::None},
    CommandInfo{C::ManagePredefinedFilters, "&Manage predefined filters...\tCtrl+M", "Ctrl+M",
                "Manage the predefined record filters\nManage predefined filters", E::DatabaseOpen, K::None},
};

constexpr std::array kTrailingCommands{
    CommandInfo{C::SortDescending, "&Descending", "", "Reverse the order of the sort key\nDescending", E::DatabaseOpen,
                K::SortDescending},

    CommandInfo{C::Tune, "&Tune\tCtrl+T", "Ctrl+T", "Tune receiver to selected frequency\nTune", E::DatabaseOpen,
                K::None},
    CommandInfo{C::FindCreateStation, "&Find/Create station\tCtrl+R", "Ctrl+R",
                "Find existing or create new station entry\nFind/Create station", E::DatabaseOpen, K::None},
    CommandInfo{C::ReceiverProgram, "Receiver control program ...", "", "", E::Always, K::None},
    CommandInfo{C::ListenerLocation, "Listener &location...", "",
                "Set where you listen, for the distance and bearing of every transmitter\nListener location",
                E::Always, K::None},
    CommandInfo{C::SortDistance, "Sort by dis&tance", "",
                "Sort the records by the distance to their transmitter\nSort by distance", E::DatabaseOpen, K::None},
    CommandInfo{C::RigConnection, "Rig &connection...", "",
                "Set the rig server and how ZOFAR runs the rig bridge\nRig connection", E::Always, K::None},
    CommandInfo{C::RigConnect, "Connect to the &rig", "", "Start or stop the rig bridge\nConnect to the rig", E::Always,
                K::RigConnected},

    CommandInfo{C::ViewToolbar, "&Toolbar", "", "Show or hide the toolbar\nToggle toolbar", E::Always,
                K::ToolbarVisible},
    CommandInfo{C::ViewStatusBar, "&Statusbar", "", "Show or hide the statusbar\nToggle statusbar", E::Always,
                K::StatusBarVisible},

    CommandInfo{C::HelpTopics, "&Help topics", "", "Invoke the help system\n Help", E::Always, K::None},
    CommandInfo{C::About, "&About ZOFAR...", "", "Display program information, version number and copyright\nAbout",
                E::Always, K::None},
};

constexpr auto kCommands = [] {
    std::array<CommandInfo, kLeadingCommands.size() + 2 * kKeyColumns.size() + kTrailingCommands.size()> all{};
    size_t n = 0;
    for (const auto& c : kLeadingCommands) all[n++] = c;
    for (const auto& k : kKeyColumns)
        all[n++] = {k.sortCommand, k.sortText, "", k.sortPrompt, E::DatabaseOpen, K::SortKey};
    for (const auto& k : kKeyColumns) {
        all[n++] = {k.goToCommand, k.goToText, k.goToKey, k.goToPrompt, E::DatabaseOpen, K::None};
    }
    for (const auto& c : kTrailingCommands) all[n++] = c;
    return all;
}();

constexpr MenuEntry kSeparator{C::None};

constexpr std::array kDatabaseMenu{
    MenuEntry{C::Open},      MenuEntry{C::Close},  kSeparator, MenuEntry{C::Create},
    MenuEntry{C::Delete},    MenuEntry{C::DownloadSchedule},   kSeparator, MenuEntry{C::Print},
    kSeparator,              MenuEntry{C::Clipboard}, MenuEntry{C::Export}, kSeparator,
    MenuEntry{C::Exit},
};
constexpr std::array kFilterMenu{
    MenuEntry{C::SetFilter},
    MenuEntry{C::DisableFilter},
    MenuEntry{C::SelectPredefinedFilter},
    MenuEntry{C::ManagePredefinedFilters},
};
template <CommandId KeyColumn::*Command>
constexpr auto KeyColumnMenu() {
    std::array<MenuEntry, kKeyColumns.size()> entries{};
    for (size_t i = 0; i < kKeyColumns.size(); ++i) entries[i] = MenuEntry{kKeyColumns[i].*Command};
    return entries;
}
constexpr auto kSortMenu = [] {
    constexpr auto keys = KeyColumnMenu<&KeyColumn::sortCommand>();
    std::array<MenuEntry, keys.size() + 3> entries{};
    for (size_t i = 0; i < keys.size(); ++i) entries[i] = keys[i];
    entries[keys.size()] = kSeparator;
    entries[keys.size() + 1] = MenuEntry{C::SortDistance};
    entries[keys.size() + 2] = MenuEntry{C::SortDescending};
    return entries;
}();
constexpr auto kGoToMenu = KeyColumnMenu<&KeyColumn::goToCommand>();
constexpr std::array kReceiverMenu{
    MenuEntry{C::Tune},          MenuEntry{C::FindCreateStation}, MenuEntry{C::ReceiverProgram},
    kSeparator,                  MenuEntry{C::RigConnection},     MenuEntry{C::RigConnect},
    kSeparator,                  MenuEntry{C::ListenerLocation},
};
constexpr std::array kViewMenu{
    MenuEntry{C::ViewToolbar},
    MenuEntry{C::ViewStatusBar},
};
constexpr std::array kHelpMenu{
    MenuEntry{C::HelpTopics},
    kSeparator,
    MenuEntry{C::About},
};

constexpr std::array kMenus{
    MenuInfo{"&Database", kDatabaseMenu}, MenuInfo{"&Filter", kFilterMenu},     MenuInfo{"&Sort", kSortMenu},
    MenuInfo{"&Go to", kGoToMenu},        MenuInfo{"&Receiver", kReceiverMenu}, MenuInfo{"&View", kViewMenu},
    MenuInfo{"&Help", kHelpMenu},
};

constexpr std::array<CommandId, kToolbarSlotCount> kToolbar{
    C::Open,
    C::Close,
    C::Create,
    C::Delete,
    C::Print,
    C::Clipboard,
    C::None,
    C::SetFilter,
    C::DisableFilter,
    C::SelectPredefinedFilter,
    C::ManagePredefinedFilters,
    C::None,
    C::Tune,
    C::FindCreateStation,
    C::None,
    C::HelpTopics,
    C::About,
};

}  // namespace

std::span<const CommandInfo> AllCommands() { return kCommands; }

std::span<const MenuInfo> Menus() { return kMenus; }

const CommandInfo* FindCommand(CommandId id) {
    for (const auto& c : kCommands) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

const CommandInfo* FindCommandById(int id) {
    for (const auto& c : kCommands) {
        if (static_cast<int>(c.id) == id) return &c;
    }
    return nullptr;
}

const std::array<CommandId, kToolbarSlotCount>& ToolbarSlots() { return kToolbar; }

std::vector<const CommandInfo*> AcceleratedCommands() {
    std::vector<const CommandInfo*> result;
    for (const auto& c : kCommands) {
        if (!c.key.empty()) result.push_back(&c);
    }
    return result;
}

CommandState EvaluateCommand(CommandId id, const CommandContext& context) {
    const CommandInfo* info = FindCommand(id);
    if (!info) return {};
    CommandState state;
    switch (info->enable) {
    case EnableRule::Always: state.enabled = true; break;
    case EnableRule::DatabaseOpen: state.enabled = context.databaseOpen; break;
    case EnableRule::NoDatabaseOpen: state.enabled = !context.databaseOpen; break;
    }
    switch (info->check) {
    case CheckRule::None: break;
    case CheckRule::FilterOff:
        state.checkable = true;
        state.checked = !context.filterOn;
        break;
    case CheckRule::ToolbarVisible:
        state.checkable = true;
        state.checked = context.toolbarVisible;
        break;
    case CheckRule::StatusBarVisible:
        state.checkable = true;
        state.checked = context.statusBarVisible;
        break;
    case CheckRule::RigConnected:
        state.checkable = true;
        state.checked = context.rigConnected;
        break;
    case CheckRule::SortKey: {
        state.checkable = true;
        const KeyColumn* key = KeyColumnOfCommand(id);
        state.checked = key != nullptr && key->column == context.sortKey;
        break;
    }
    case CheckRule::SortDescending:
        state.checkable = true;
        state.checked = context.sortDescending;
        break;
    }
    return state;
}

std::string_view StatusPrompt(std::string_view prompt) { return prompt.substr(0, prompt.find('\n')); }

std::string_view ToolTipPrompt(std::string_view prompt) {
    const auto pos = prompt.find('\n');
    return pos == std::string_view::npos ? std::string_view{} : prompt.substr(pos + 1);
}

}  // namespace zofar
