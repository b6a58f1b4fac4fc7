#include "document/CommandTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "store/KeyColumns.h"

namespace zofar {
namespace {

std::vector<std::string> MenuTexts(std::string_view title) {
    for (const auto& menu : Menus()) {
        if (menu.title != title) continue;
        std::vector<std::string> texts;
        for (const auto& entry : menu.entries) {
            texts.emplace_back(entry.id == CommandId::None ? "-" : std::string(FindCommand(entry.id)->text));
        }
        return texts;
    }
    return {};
}

TEST(CommandTable, menuBarHasTheSevenMenusInOrder) {
    std::vector<std::string> titles;
    for (const auto& menu : Menus()) titles.emplace_back(menu.title);
    EXPECT_EQ(titles,
              (std::vector<std::string>{"&Database", "&Filter", "&Sort", "&Go to", "&Receiver", "&View", "&Help"}));
}

TEST(CommandTable, databaseMenuHasItsSeparatorsAfterCloseDeletePrintAndClipboard) {
    EXPECT_EQ(MenuTexts("&Database"),
              (std::vector<std::string>{"&Open...\tCtrl+O", "C&lose\tCtrl+L", "-", "Cr&eate...\tCtrl+E",
                                        "&Delete...\tCtrl+D", "Do&wnload schedule...", "-", "&Print...\tCtrl+P", "-",
                                        "&Clipboard...\tCtrl+C", "Expo&rt...", "-", "E&xit\tCtrl+X"}));
    EXPECT_EQ(MenuTexts("&Help"), (std::vector<std::string>{"&Help topics", "-", "&About ZOFAR..."}));
}

TEST(CommandTable, filterReceiverAndViewMenusHoldTheirItems) {
    EXPECT_EQ(MenuTexts("&Filter"), (std::vector<std::string>{"&Set filter...\tCtrl+Y", "&Disable filter\tCtrl+N",
                                                              "Select &predefined filter...\tCtrl+W",
                                                              "&Manage predefined filters...\tCtrl+M"}));
    EXPECT_EQ(MenuTexts("&Receiver"),
              (std::vector<std::string>{"&Tune\tCtrl+T", "&Find/Create station\tCtrl+R", "Receiver control program ...",
                                        "-", "Rig &connection...", "Connect to the &rig", "-",
                                        "Listener &location..."}));
    EXPECT_EQ(MenuTexts("&View"), (std::vector<std::string>{"&Toolbar", "&Statusbar"}));
}

TEST(CommandTable, sortAndGoToMenusListTheFourteenKeyColumnsInTheSameOrderAndSortEndsWithDescending) {
    auto sort = MenuTexts("&Sort");
    const auto goTo = MenuTexts("&Go to");
    // After the key columns the Sort menu offers the distance, which has no go-to, and the order.
    ASSERT_EQ(sort.size(), 17u);
    EXPECT_EQ(sort[14], "-");
    EXPECT_EQ(sort[15], "Sort by dis&tance");
    EXPECT_EQ(sort[16], "&Descending");
    sort.resize(14);
    ASSERT_EQ(goTo.size(), 14u);
    EXPECT_EQ(sort.front(), "&Frequency");
    EXPECT_EQ(sort[13], "&Program structure (P)");
    EXPECT_EQ(goTo[0], "&Frequency...\tCtrl+F");
    EXPECT_EQ(goTo[1], "&Station...\tCtrl+S");
    for (size_t i = 2; i < goTo.size(); ++i) EXPECT_EQ(goTo[i], sort[i] + "...") << i;
}

TEST(CommandTable, descendingIsCheckedExactlyWhileTheOrderIsReversed) {
    CommandContext context{true, true, true, true, "STATION"};
    EXPECT_EQ(static_cast<int>(CommandId::SortDescending), 32838);
    const CommandState ascending = EvaluateCommand(CommandId::SortDescending, context);
    EXPECT_TRUE(ascending.checkable);
    EXPECT_FALSE(ascending.checked);
    context.sortDescending = true;
    EXPECT_TRUE(EvaluateCommand(CommandId::SortDescending, context).checked);
    EXPECT_TRUE(EvaluateCommand(CommandId::SortStation, context).checked) << "the key stays marked";
}

TEST(CommandTable, idsKeepTheirHistoricNumbers) {
    EXPECT_EQ(static_cast<int>(CommandId::Open), 32774);
    EXPECT_EQ(static_cast<int>(CommandId::Exit), 57665);
    EXPECT_EQ(static_cast<int>(CommandId::ViewToolbar), 59392);
    EXPECT_EQ(static_cast<int>(CommandId::ViewStatusBar), 59393);
    EXPECT_EQ(static_cast<int>(CommandId::HelpTopics), 57667);
    EXPECT_EQ(static_cast<int>(CommandId::About), 57664);
    EXPECT_EQ(static_cast<int>(CommandId::PrintSetup), 57606);
    EXPECT_EQ(static_cast<int>(CommandId::GoToTargetArea), 32824);
    EXPECT_EQ(static_cast<int>(CommandId::GoToProgramStructure), 32823);
    EXPECT_EQ(FindCommandById(32837)->id, CommandId::ReceiverProgram);
    EXPECT_EQ(FindCommandById(12345), nullptr);
    EXPECT_EQ(FindCommand(CommandId::PrintSetup), nullptr);
}

TEST(CommandTable, everyCommandIsOnExactlyOneMenu) {
    std::multiset<CommandId> onMenus;
    for (const auto& menu : Menus()) {
        for (const auto& entry : menu.entries) {
            if (entry.id != CommandId::None) onMenus.insert(entry.id);
        }
    }
    EXPECT_EQ(onMenus.size(), AllCommands().size());
    for (const auto& c : AllCommands()) EXPECT_EQ(onMenus.count(c.id), 1u) << c.text;
}

TEST(CommandTable, holdsExactlyTheFifteenAcceleratorsAllCtrlWithALetter) {
    std::vector<std::string> keys;
    for (const auto* c : AcceleratedCommands()) keys.emplace_back(c->key);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"Ctrl+O", "Ctrl+L", "Ctrl+E", "Ctrl+D", "Ctrl+P", "Ctrl+C", "Ctrl+X", "Ctrl+Y",
                                        "Ctrl+N", "Ctrl+W", "Ctrl+M", "Ctrl+F", "Ctrl+S", "Ctrl+T", "Ctrl+R"}));
    for (const auto* c : AcceleratedCommands()) {
        // The menu shows the same key after its tab.
        EXPECT_EQ(c->text.substr(c->text.find('\t') + 1), c->key);
    }
}

TEST(CommandTable, promptsSplitIntoStatusTextAndToolTip) {
    const auto* help = FindCommand(CommandId::HelpTopics);
    EXPECT_EQ(StatusPrompt(help->prompt), "Invoke the help system");
    EXPECT_EQ(ToolTipPrompt(help->prompt), " Help");
    const auto* sort = FindCommand(CommandId::SortTargetArea);
    EXPECT_EQ(StatusPrompt(sort->prompt), "Sort records by target area");
    EXPECT_EQ(ToolTipPrompt(sort->prompt), "");
    EXPECT_EQ(FindCommand(CommandId::GoToTargetArea)->prompt, "Go to the record with the specifies target area");
    EXPECT_EQ(FindCommand(CommandId::DisableFilter)->prompt,
              "Enable / Disable the record filter\nEnable / Disable filter");
    EXPECT_EQ(FindCommand(CommandId::ReceiverProgram)->prompt, "");
}

TEST(CommandTable, toolbarHasSeventeenSlotsWithThreeSeparators) {
    std::vector<int> ids;
    for (auto id : ToolbarSlots()) ids.push_back(static_cast<int>(id));
    EXPECT_EQ(ids, (std::vector<int>{32774, 32772, 32771, 32773, 32831, 32829, 0, 32801, 32802, 32833, 32834, 0, 32805,
                                     32806, 0, 57667, 57664}));
}

TEST(CommandTable, withoutDatabaseOnlyOpenCreateDeleteAndTheShellCommandsAreEnabled) {
    const CommandContext noDb{false, true, true, true, ""};
    std::set<CommandId> enabled;
    for (const auto& c : AllCommands()) {
        if (EvaluateCommand(c.id, noDb).enabled) enabled.insert(c.id);
    }
    EXPECT_EQ(enabled, (std::set<CommandId>{CommandId::Open, CommandId::Create, CommandId::Delete, CommandId::Exit,
                                            CommandId::DownloadSchedule, CommandId::ReceiverProgram,
                                            CommandId::RigConnection, CommandId::RigConnect,
                                            CommandId::ListenerLocation, CommandId::ViewToolbar,
                                            CommandId::ViewStatusBar, CommandId::HelpTopics, CommandId::About}));
}

TEST(CommandTable, withDatabaseEverythingButCreateAndDeleteIsEnabled) {
    const CommandContext db{true, true, true, true, ""};
    for (const auto& c : AllCommands()) {
        const bool expected = c.id != CommandId::Create && c.id != CommandId::Delete;
        EXPECT_EQ(EvaluateCommand(c.id, db).enabled, expected) << c.text;
    }
    EXPECT_FALSE(EvaluateCommand(CommandId::None, db).enabled);
}

TEST(CommandTable, disableFilterIsCheckedExactlyWhileTheFilterIsOff) {
    EXPECT_TRUE(EvaluateCommand(CommandId::DisableFilter, {true, false, true, true, ""}).checked);
    EXPECT_FALSE(EvaluateCommand(CommandId::DisableFilter, {true, true, true, true, ""}).checked);
    const auto noDb = EvaluateCommand(CommandId::DisableFilter, {false, false, true, true, ""});
    EXPECT_FALSE(noDb.enabled);
    EXPECT_TRUE(noDb.checked);
}

TEST(CommandTable, viewItemsAreCheckedWhileTheirBarIsShown) {
    const CommandContext hidden{false, true, false, false, ""};
    EXPECT_FALSE(EvaluateCommand(CommandId::ViewToolbar, hidden).checked);
    EXPECT_FALSE(EvaluateCommand(CommandId::ViewStatusBar, hidden).checked);
    const CommandContext toolbarOnly{false, true, true, false, ""};
    EXPECT_TRUE(EvaluateCommand(CommandId::ViewToolbar, toolbarOnly).checked);
    EXPECT_FALSE(EvaluateCommand(CommandId::ViewStatusBar, toolbarOnly).checked);
    EXPECT_FALSE(EvaluateCommand(CommandId::Open, toolbarOnly).checkable);
}

TEST(CommandTable, theRigToggleIsCheckedWhileTheRigConnectionIsOn) {
    CommandContext context;
    EXPECT_FALSE(EvaluateCommand(CommandId::RigConnect, context).checked);
    context.rigConnected = true;
    EXPECT_TRUE(EvaluateCommand(CommandId::RigConnect, context).checked);
    EXPECT_TRUE(EvaluateCommand(CommandId::RigConnect, context).checkable);
    EXPECT_FALSE(EvaluateCommand(CommandId::RigConnection, context).checkable);
}

TEST(CommandTable, onlyTheSortItemOfTheCurrentKeyIsChecked) {
    const struct {
        std::string_view sortKey;
        std::set<CommandId> checked;
    } cases[] = {
        {"FREQ", {CommandId::SortFrequency}},
        {"TARGETAR", {CommandId::SortTargetArea}},
        {"P", {CommandId::SortProgramStructure}},
        {"", {}},
        {"REMARKS", {}},
        {"freq", {}},
    };
    for (const auto& c : cases) {
        CommandContext context{true, true, true, true, c.sortKey};
        std::set<CommandId> checked;
        for (const auto& command : AllCommands()) {
            const CommandState state = EvaluateCommand(command.id, context);
            if (state.checked && KeyColumnOfCommand(command.id)) checked.insert(command.id);
        }
        EXPECT_EQ(checked, c.checked) << c.sortKey;
    }
    EXPECT_TRUE(EvaluateCommand(CommandId::SortStation, {}).checkable);
    EXPECT_FALSE(EvaluateCommand(CommandId::GoToStation, {}).checkable);
}

}  // namespace
}  // namespace zofar
