#include "app/CMainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/ModalDriver.h"
#include "app/StatusPane.h"
#include "document/StatusTexts.h"
#include "document/CZOFDoc.h"
#include "support/FakeScreen.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/ListPort.h"

namespace zofar {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The document with a scripted screen and the real main window around it.
class MainFrameTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::FakeScreen ui;
    FixedClock clock{UtcTime{2024, 5, 6, 9, 5, 3, 1}};
    std::unique_ptr<CZOFDoc> doc;
    std::unique_ptr<CMainFrame> frame;

    void SetUp() override { MakeFrame(); }
    void TearDown() override { frame.reset(); }

    std::string SettingsPath() const { return dir.file("zofar.INI"); }

    void MakeFrame() {
        frame.reset();
        doc = std::make_unique<CZOFDoc>(DocumentScreen::Of(ui), clock, DocumentPaths{SettingsPath(), dir.folder()});
        doc->OnNewDocument();
        frame = std::make_unique<CMainFrame>(*doc, clock, dir.file("zofar.html"));
    }

    void OpenSampleDatabase() {
        test::RecordingReporter reporter;
        ASSERT_TRUE(test::CreateDatabase(dir.file("B24.mdb"),
                                         {{6005, "DEUTSCHLANDFUNK", "00:00", "23:59"},
                                          {9420, "ERT", "05:00", "08:00"},
                                          {7300, "RADIO ROMANIA", "18:00", "19:00"}},
                                         reporter));
        ui.selectAnswers.push_back("B24");
        ASSERT_TRUE(frame->ExecuteCommand(CommandId::Open));
        ASSERT_TRUE(doc->IsOpen());
    }

    QString PaneText(int id) const { return frame->Pane(id)->text(); }
};

// The texts themselves are the command table's; the frame shows that table as it is.
TEST_F(MainFrameTest, menusShowTheCommandTableWithItsSeparatorsAndShortcuts) {
    const auto menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(Menus().size()));
    for (size_t m = 0; m < Menus().size(); ++m) {
        const MenuInfo& info = Menus()[m];
        EXPECT_EQ(menus[static_cast<qsizetype>(m)]->text().toStdString(), info.title);
        const auto items = menus[static_cast<qsizetype>(m)]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(info.entries.size())) << info.title;
        for (size_t i = 0; i < info.entries.size(); ++i) {
            QAction* item = items[static_cast<qsizetype>(i)];
            const CommandId id = info.entries[i].id;
            if (id == CommandId::None) {
                EXPECT_TRUE(item->isSeparator()) << info.title << " " << i;
                continue;
            }
            EXPECT_EQ(item, frame->Action(id));
            EXPECT_EQ(item->text().toStdString(), FindCommand(id)->text);
        }
    }

    int withShortcut = 0;
    for (QAction* a : frame->actions()) withShortcut += a->shortcut().isEmpty() ? 0 : 1;
    EXPECT_EQ(withShortcut, static_cast<int>(AcceleratedCommands().size()));
    EXPECT_EQ(frame->Action(CommandId::Clipboard)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(frame->Action(CommandId::GoToStation)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(frame->Action(CommandId::SortStation)->shortcut().isEmpty());
}

TEST_F(MainFrameTest, toolbarHoldsFourteenButtonsWithIconsTipsAndPromptsInOrder) {
    QToolBar* bar = frame->ToolBar();
    EXPECT_EQ(frame->toolBarArea(bar), Qt::TopToolBarArea);
    EXPECT_TRUE(bar->isMovable());
    EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    const auto actions = bar->actions();
    ASSERT_EQ(actions.size(), kToolbarSlotCount);
    for (int i = 0; i < kToolbarSlotCount; ++i) {
        const CommandId id = ToolbarSlots()[static_cast<size_t>(i)];
        if (id == CommandId::None) {
            EXPECT_TRUE(actions[i]->isSeparator()) << i;
            continue;
        }
        EXPECT_EQ(actions[i], frame->Action(id)) << i;
        EXPECT_FALSE(actions[i]->icon().isNull()) << i;
        EXPECT_FALSE(actions[i]->icon().pixmap(16, 16).isNull()) << i;
    }
    EXPECT_EQ(frame->Action(CommandId::Open)->toolTip(), "Open database");
    EXPECT_EQ(frame->Action(CommandId::Open)->statusTip(), "Open an existing database");
    EXPECT_EQ(frame->Action(CommandId::SortRegion)->statusTip(), "Sort records by region");
}

TEST_F(MainFrameTest, withoutDatabaseOnlyTheDatabaseFileCommandsAreEnabled) {
    frame->RefreshStatus();
    EXPECT_TRUE(frame->Action(CommandId::Open)->isEnabled());
    EXPECT_TRUE(frame->Action(CommandId::Create)->isEnabled());
    EXPECT_TRUE(frame->Action(CommandId::Delete)->isEnabled());
    EXPECT_FALSE(frame->Action(CommandId::Close)->isEnabled());
    EXPECT_FALSE(frame->Action(CommandId::DisableFilter)->isEnabled());
    EXPECT_FALSE(frame->Action(CommandId::SortFrequency)->isEnabled());
    EXPECT_EQ(PaneText(kPaneRecordsId), "Records:  0");
    EXPECT_EQ(frame->windowTitle(), " ZOFAR Program Database");
    // A disabled command reached anyway (a list click, a stray id) does nothing.
    EXPECT_FALSE(frame->ExecuteCommand(CommandId::Close));
    frame->ExecuteCommandById(32779);
    EXPECT_EQ(doc->SortKey(), "");
}

TEST_F(MainFrameTest, openDatabaseSwitchesTheRulesAndFillsThePanes) {
    OpenSampleDatabase();
    EXPECT_FALSE(frame->Action(CommandId::Create)->isEnabled());
    EXPECT_FALSE(frame->Action(CommandId::Delete)->isEnabled());
    EXPECT_TRUE(frame->Action(CommandId::Close)->isEnabled());
    EXPECT_TRUE(frame->Action(CommandId::Tune)->isEnabled());
    EXPECT_EQ(PaneText(kPaneRecordsId), "Records:  3");
    EXPECT_EQ(PaneText(kPaneSortId), "Sort:  FREQ");
    EXPECT_EQ(PaneText(kPaneFilterId), "No filter");
    EXPECT_EQ(frame->Pane(kPaneFilterId)->toolTip(), "No filter");

    frame->ExecuteCommandById(static_cast<int>(CommandId::SortStation));
    EXPECT_EQ(PaneText(kPaneSortId), "Sort:  STATION");
}

TEST_F(MainFrameTest, disableFilterIsCheckedWhileOffAndOnlyTheFilterPaneHasATip) {
    OpenSampleDatabase();
    EXPECT_FALSE(frame->Action(CommandId::DisableFilter)->isChecked());
    ASSERT_TRUE(frame->ExecuteCommand(CommandId::DisableFilter));
    EXPECT_FALSE(doc->FilterIsOn());
    EXPECT_TRUE(frame->Action(CommandId::DisableFilter)->isChecked());
    EXPECT_EQ(PaneText(kPaneFilterId), "No filter");
    EXPECT_EQ(frame->Pane(kPaneFilterId)->toolTip(), "No filter");
    for (int id : {kPaneRecordsId, kPaneSortId, kPaneClockId}) EXPECT_TRUE(frame->Pane(id)->toolTip().isEmpty());
    EXPECT_TRUE(frame->statusBar()->toolTip().isEmpty());
}

TEST_F(MainFrameTest, filterPaneTakesTheFreeWidthAndCutsALongConditionWithAMark) {
    OpenSampleDatabase();
    frame->resize(1600, 600);
    frame->show();
    QLabel* pane = frame->Pane(kPaneFilterId);
    const auto settle = [this] {
        frame->statusBar()->layout()->activate();
        QCoreApplication::processEvents();
    };
    settle();
    int others = frame->MessagePane()->width();
    for (int id : {kPaneRecordsId, kPaneSortId, kPaneClockId}) others += frame->Pane(id)->width();
    EXPECT_GE(pane->width(), frame->statusBar()->width() - others - 80) << "all the free width";
    EXPECT_EQ(pane->text(), pane->toolTip());

    FilterCriteria criteria = doc->Settings().criteria;
    criteria.BFStation = 1;
    criteria.FStation = std::string(30, 'A') + "|" + std::string(30, 'B') + "|" + std::string(30, 'C');
    criteria.BFCountry = 1;
    criteria.FCountry = std::string(30, 'D') + "|" + std::string(30, 'E') + "|" + std::string(30, 'F');
    ui.filterAnswers.push_back(criteria);
    ASSERT_TRUE(frame->ExecuteCommand(CommandId::SetFilter));
    settle();
    const auto words = [](char a, char b, char c) {
        return std::string(30, a) + " or " + std::string(30, b) + " or " + std::string(30, c);
    };
    EXPECT_EQ(pane->toolTip().toStdString(), "Filter:  Station contains " + words('A', 'B', 'C') +
                                                 " \u00B7 Country contains " + words('D', 'E', 'F') + "\n" +
                                                 doc->BuildFilterCondition());
    ASSERT_TRUE(pane->text().endsWith(QChar(0x2026))) << pane->text().toStdString();
    EXPECT_TRUE(pane->toolTip().startsWith(pane->text().chopped(1)));
    EXPECT_LE(pane->fontMetrics().horizontalAdvance(pane->text()), pane->contentsRect().width());
}

TEST_F(MainFrameTest, filterPaneTipFollowsTheClockWhileTheWordsStay) {
    OpenSampleDatabase();
    FilterCriteria criteria = doc->Settings().criteria;
    criteria.BFOnair = 1;
    criteria.BFOnairNow = 1;
    ui.filterAnswers.push_back(criteria);
    ASSERT_TRUE(frame->ExecuteCommand(CommandId::SetFilter));
    auto* pane = qobject_cast<StatusPane*>(frame->Pane(kPaneFilterId));
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->FullText(), "Filter:  On air now");
    EXPECT_TRUE(pane->toolTip().startsWith("Filter:  On air now\n(((START < END AND START <= '09:05'"))
        << pane->toolTip().toStdString();

    clock.Set(UtcTime{2024, 5, 6, 9, 6, 0, 1});
    frame->RefreshStatus();
    EXPECT_EQ(pane->FullText(), "Filter:  On air now");
    EXPECT_TRUE(pane->toolTip().startsWith("Filter:  On air now\n(((START < END AND START <= '09:06'"))
        << pane->toolTip().toStdString();
}

TEST_F(MainFrameTest, clockIsFilledAtActivationAndTicksEverySecond) {
    EXPECT_FALSE(frame->ClockRunning());
    frame->Activate();
    EXPECT_TRUE(frame->ClockRunning());
    EXPECT_EQ(PaneText(kPaneClockId), " 09:05:03  UTC");
    clock.Set(UtcTime{2024, 5, 6, 9, 5, 4, 1});
    Wait(1200);
    EXPECT_EQ(PaneText(kPaneClockId), " 09:05:04  UTC");
}

TEST_F(MainFrameTest, messagePaneFallsBackToReadyWhenAPromptGoesAway) {
    frame->statusBar()->showMessage("Open an existing database");
    frame->statusBar()->clearMessage();
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");
    frame->ShowStatusMessage("Sorting and filtering records");
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Sorting and filtering records");
    EXPECT_EQ(frame->MessagePane()->FullText(), "Sorting and filtering records");
}

TEST_F(MainFrameTest, quittingWithNoWritesNothingAndKeepsTheClockRunning) {
    frame->Activate();
    ui.answers = {false};
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Do you really want to quit?"});
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
    EXPECT_TRUE(frame->ClockRunning());
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainFrameTest, exitWithYesWritesSettingsAndPlacementStopsTheClockAndClosesTheDatabase) {
    OpenSampleDatabase();
    frame->Activate();
    ColumnLayout layout;
    layout.widths[0] = 123;
    ui.layout = layout;
    ui.answers = {true};
    EXPECT_TRUE(frame->ExecuteCommand(CommandId::Exit));
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(frame->ClockRunning());
    EXPECT_FALSE(doc->IsOpen());
    const std::string ini = ReadFile(SettingsPath());
    EXPECT_NE(ini.find("Database=B24"), std::string::npos);
    EXPECT_NE(ini.find("ColumnWidths=123,-1,"), std::string::npos);
    EXPECT_NE(ini.find("[Window]"), std::string::npos);
    EXPECT_NE(ini.find("Windowpos="), std::string::npos);
    EXPECT_NE(ini.find("Toolbar=1"), std::string::npos);
    EXPECT_NE(ini.find("Statusbar=1"), std::string::npos);
}

TEST_F(MainFrameTest, settingsThatCannotBeWrittenAreReportedAndQuittingGoesOn) {
    frame.reset();
    doc = std::make_unique<CZOFDoc>(DocumentScreen::Of(ui), clock,
                                    DocumentPaths{dir.file("missing/zofar.INI"), dir.folder()});
    frame = std::make_unique<CMainFrame>(*doc, clock, dir.file("zofar.html"));
    frame->Activate();
    ui.answers = {true};
    EXPECT_TRUE(frame->ExecuteCommand(CommandId::Exit));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("could not be written to " + dir.file("missing/zofar.INI")), std::string::npos);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainFrameTest, placementMaximizedStateAndHiddenToolbarComeBackAtTheNextStart) {
    frame->Activate();
    frame->setGeometry(QRect(40, 50, 700, 450));
    ASSERT_TRUE(frame->ExecuteCommand(CommandId::ViewToolbar));
    EXPECT_FALSE(frame->Action(CommandId::ViewToolbar)->isChecked());
    frame->showMaximized();
    ui.answers = {true};
    ASSERT_TRUE(frame->close());
    EXPECT_NE(ReadFile(SettingsPath()).find("Windowpos=0,3,-1,-1,-1,-1,40,50,740,500"), std::string::npos);

    MakeFrame();
    frame->Activate();
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_EQ(frame->normalGeometry(), QRect(40, 50, 700, 450));
    EXPECT_FALSE(frame->ToolBar()->isVisible());
    EXPECT_FALSE(frame->Action(CommandId::ViewToolbar)->isChecked());
    EXPECT_TRUE(frame->statusBar()->isVisible());
    EXPECT_TRUE(frame->Action(CommandId::ViewStatusBar)->isChecked());
}

TEST_F(MainFrameTest, normalWindowReopensNormalAtItsPlace) {
    frame->Activate();
    frame->setGeometry(QRect(60, 70, 640, 400));
    ASSERT_TRUE(frame->ExecuteCommand(CommandId::ViewStatusBar));
    ui.answers = {true};
    ASSERT_TRUE(frame->close());

    MakeFrame();
    frame->Activate();
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->geometry(), QRect(60, 70, 640, 400));
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_FALSE(frame->Action(CommandId::ViewStatusBar)->isChecked());
    EXPECT_TRUE(frame->ToolBar()->isVisible());
}

TEST_F(MainFrameTest, helpTopicsOpensTheManualOrSaysItIsMissing) {
    QUrl opened;
    frame->SetUrlOpener([&opened](const QUrl& url) {
        opened = url;
        return true;
    });
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    EXPECT_TRUE(frame->ExecuteCommand(CommandId::HelpTopics));
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_TRUE(driver.boxes[0].text.contains("zofar.html"));

    std::ofstream(dir.file("zofar.html")) << "<html></html>";
    EXPECT_TRUE(frame->ExecuteCommand(CommandId::HelpTopics));
    EXPECT_EQ(opened, QUrl::fromLocalFile(QString::fromStdString(dir.file("zofar.html"))));
}

// A list that records what reaches it, standing in for the record list.
class RecordingList : public QWidget, public ListPort {
public:
    std::vector<int> hints;
    void UpdateViews(ViewHint hint) override { hints.push_back(hint); }
    ListRows GetListRows() override { return {2, 0, 10}; }
    std::optional<ColumnLayout> CaptureColumnLayout() override { return std::nullopt; }
};

TEST_F(MainFrameTest, listViewBecomesTheCentralWidgetAndItsCommandsRun) {
    auto* list = new RecordingList;
    frame->SetListView(list, list);
    EXPECT_EQ(frame->centralWidget(), list);
    EXPECT_EQ(frame->ListView(), static_cast<ListPort*>(list));
    OpenSampleDatabase();
    frame->ExecuteCommandById(static_cast<int>(CommandId::SortCountry));
    EXPECT_EQ(doc->SortKey(), "COUNTRY");
    frame->ExecuteCommandById(4711);
    EXPECT_EQ(doc->SortKey(), "COUNTRY");
}

}  // namespace
}  // namespace zofar
