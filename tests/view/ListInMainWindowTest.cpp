#include <gtest/gtest.h>

#include <QTest>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>

#include <fstream>
#include <vector>

#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/ZofarProgram.h"
#include "base/Clock.h"
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

}  // namespace
}  // namespace zofar
