#include <gtest/gtest.h>

#include <QTest>

#include <QActionGroup>
#include <QApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>

#include <fstream>
#include <memory>
#include <vector>

#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/StatusPane.h"
#include "document/StatusTexts.h"
#include "app/ZofarProgram.h"
#include "base/Clock.h"
#include "store/KeyColumns.h"
#include "store/SqliteDatabase.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/CZOFView.h"
#include "view/HeaderClick.h"
#include "view/RecordTableModel.h"

namespace zofar {
namespace {

// The list inside the real program: reopened at start-up from the settings, and a header click
// that goes through the main window's command dispatch to the document.
TEST(ListInMainWindow, reopenedDatabaseFillsTheListAndHeaderClickSorts) {
    test::TempDir dir;
    test::RecordingReporter reporter;
    ASSERT_TRUE(test::CreateDatabase(
        dir.file("TEST.mdb"),
        {{9400.0, "Gamma", "12:00", "13:00"}, {5900.0, "Alpha", "22:00", "02:00"}, {6005.0, "Beta", "00:00", "01:00"}},
        reporter));
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=TEST\nSort=FREQ\n";
    AppPaths paths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")};
    FixedClock clock;
    ZofarProgram program(paths, clock);
    program.Start();

    auto* view = qobject_cast<CZOFView*>(program.Frame().centralWidget());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->Model().rowCount(), 3);
    EXPECT_EQ(view->Model().index(0, 1).data().toString(), "Alpha");
    EXPECT_EQ(view->GetSelectedRow(), 0);

    QHeaderView* header = view->horizontalHeader();
    constexpr int kStation = 1;
    test::ClickHeader(header, kStation);

    EXPECT_EQ(program.Doc().SortKey(), "STATION");
    EXPECT_EQ(view->Model().index(2, 1).data().toString(), "Gamma");
    EXPECT_EQ(view->Model().index(view->GetSelectedRow(), 1).data().toString(), "Alpha")
        << "the selected record stays selected";
}

// A database that cannot be read any more while it is shown (here another program renamed the
// table; a removed disk or a held lock do the same) gives one message, not one per cell, and
// the list reads again at its next update.
TEST(ListInMainWindow, unreadableDatabaseGivesOneMessageAndTheListComesBack) {
    test::TempDir dir;
    test::RecordingReporter reporter;
    ASSERT_TRUE(test::CreateDatabase(
        dir.file("TEST.mdb"), {{9400.0, "Gamma", "12:00", "13:00"}, {5900.0, "Alpha", "22:00", "02:00"}}, reporter));
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=TEST\n";
    AppPaths paths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")};
    FixedClock clock;
    ZofarProgram program(paths, clock);
    program.Start();
    auto* view = qobject_cast<CZOFView*>(program.Frame().centralWidget());
    ASSERT_NE(view, nullptr);

    Database other(dir.file("TEST.mdb"), Database::Mode::OpenExisting);
    other.Execute("ALTER TABLE ZOFTABLE RENAME TO ZOFTABLE_AWAY");
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    driver.Answer(QMessageBox::Ok);
    view->grab();
    EXPECT_TRUE(driver.boxes.empty()) << "no message box runs inside the painting";
    EXPECT_TRUE(QTest::qWaitFor([&driver] { return !driver.boxes.empty(); }, 5000));
    EXPECT_EQ(driver.boxes.size(), 1u);
    EXPECT_FALSE(view->Model().index(0, 1).data().isValid());

    other.Execute("ALTER TABLE ZOFTABLE_AWAY RENAME TO ZOFTABLE");
    view->UpdateViews(kHintRepaint);
    EXPECT_EQ(view->Model().index(0, 1).data().toString(), "Alpha");
    EXPECT_EQ(driver.boxes.size(), 1u);
}

class ProgramWithList : public ::testing::Test {
protected:
    test::TempDir dir;
    FixedClock clock;
    std::unique_ptr<ZofarProgram> program;
    CZOFView* view = nullptr;

    void Start(const std::string& settings) {
        test::RecordingReporter reporter;
        ASSERT_TRUE(test::CreateDatabase(dir.file("TEST.mdb"),
                                         {{9400.0, "Gamma", "12:00", "13:00"}, {5900.0, "Alpha", "22:00", "02:00"}},
                                         reporter));
        std::ofstream(dir.file("zofar.INI")) << settings;
        program = std::make_unique<ZofarProgram>(
            AppPaths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")}, clock);
        program->Start();
        view = qobject_cast<CZOFView*>(program->Frame().centralWidget());
        ASSERT_NE(view, nullptr);
    }

    std::vector<CommandId> CheckedSortItems() const {
        std::vector<CommandId> checked;
        for (const auto& key : kKeyColumns) {
            if (program->Frame().Action(key.sortCommand)->isChecked()) checked.push_back(key.sortCommand);
        }
        return checked;
    }
};

// The mark and the check come from the document's sort key: restored from the settings at
// start-up, moved by a sort, gone with the database.
TEST_F(ProgramWithList, headerMarkAndSortMenuCheckShowTheDocumentsSortKey) {
    Start("[Settings]\nDatabase=TEST\nSort=STATION\n");
    QHeaderView* header = view->horizontalHeader();
    constexpr int kFreq = 0, kStation = 1, kModu = 3;
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), kStation);
    EXPECT_EQ(CheckedSortItems(), std::vector<CommandId>{CommandId::SortStation});
    EXPECT_TRUE(program->Frame().Action(CommandId::SortStation)->actionGroup()->isExclusive());

    test::ClickHeader(header, kModu);
    EXPECT_EQ(header->sortIndicatorSection(), kStation) << "a column without a sort keeps no mark";
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    test::ClickHeader(header, kStation);
    EXPECT_EQ(header->sortIndicatorSection(), kStation);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder) << "a click on the sorted column reverses it";
    EXPECT_TRUE(program->Frame().Action(CommandId::SortDescending)->isChecked());

    test::ClickHeader(header, kFreq);
    EXPECT_EQ(header->sortIndicatorSection(), kFreq);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder) << "another column starts ascending";
    EXPECT_FALSE(program->Frame().Action(CommandId::SortDescending)->isChecked());
    EXPECT_EQ(CheckedSortItems(), std::vector<CommandId>{CommandId::SortFrequency});

    ASSERT_TRUE(program->Frame().ExecuteCommand(CommandId::Close));
    EXPECT_EQ(header->sortIndicatorSection(), -1);
    EXPECT_TRUE(CheckedSortItems().empty());
}

TEST_F(ProgramWithList, windowAtItsSmallestKeepsMenusToolbarRowsAndPanesApart) {
    Start("[Settings]\nDatabase=TEST\n");
    CMainFrame& frame = program->Frame();
    frame.resize(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.size(), frame.minimumSize());

    for (QAction* menu : frame.menuBar()->actions()) {
        EXPECT_LE(frame.menuBar()->actionGeometry(menu).right(), frame.menuBar()->width())
            << menu->text().toStdString();
    }
    EXPECT_TRUE(frame.ToolBar()->isVisible());
    EXPECT_GE(view->RowsPerPage(), 3);

    std::vector<QWidget*> panes{frame.MessagePane()};
    for (int id : {kPaneRecordsId, kPaneSortId, kPaneFilterId, kPaneClockId}) panes.push_back(frame.Pane(id));
    int left = 0;
    for (QWidget* pane : panes) {
        EXPECT_TRUE(pane->isVisible()) << pane->objectName().toStdString();
        EXPECT_GE(pane->x(), left) << pane->objectName().toStdString();
        EXPECT_GE(pane->width(), pane->minimumWidth()) << pane->objectName().toStdString();
        left = pane->geometry().right();
    }
    EXPECT_LE(left, frame.statusBar()->width());
}

}  // namespace
}  // namespace zofar
