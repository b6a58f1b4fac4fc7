#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <fstream>
#include <sstream>

#include "app/AppPaths.h"
#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/ZofarProgram.h"
#include "import/IlgTextImporter.h"
#include "selection/FilterDialog.h"
#include "store/JetText.h"
#include "support/FakeScreen.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/CZOFView.h"
#include "view/HeaderClick.h"
#include "schedule/OnAirTest.h"
#include "view/RecordTableModel.h"

namespace zofar {
namespace {

// The listener's typical evening: the sample list as a database, the list sorted by a header
// click, "on the air now" set through the filter dialog, and the program quit through the
// question. Every step runs through the program's own window, document and store.
TEST(EndToEnd, sampleListSortedAndFilteredOnTheAirNowThenQuit) {
    test::TempDir dir;
    {
        test::RecordingReporter reporter;
        test::FakeScreen importUi;
        RecordStore store(reporter);
        ASSERT_TRUE(store.CreateDatabaseFile(dir.file("SAMPLE.mdb"), "SAMPLE"));
        ASSERT_TRUE(store.BeginImport());
        ASSERT_TRUE(ImportIlgText(std::string(ZOFAR_SOURCE_DIR) + "/res/sample/", "sample-list.txt", store, importUi));
        ASSERT_TRUE(store.CommitImport());
    }
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=SAMPLE\n";
    const AppPaths paths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")};
    const FixedClock clock(UtcTime{2026, 12, 9, 14, 5, 0, 3});

    ZofarProgram program(paths, clock);
    program.Start();
    auto* view = qobject_cast<CZOFView*>(program.Frame().centralWidget());
    ASSERT_NE(view, nullptr);
    const int all = view->Model().rowCount();
    EXPECT_EQ(all, program.Doc().RecordCount());
    EXPECT_GT(all, 300);
    EXPECT_EQ(program.Frame().windowTitle(), " ZOFAR Program Database  \"SAMPLE\"");

    test::ClickHeader(view->horizontalHeader(), 1);
    EXPECT_EQ(program.Doc().SortKey(), "STATION");

    test::ModalDriver driver;
    driver.Handle<FilterDialog>([](FilterDialog& dialog) {
        dialog.findChild<QCheckBox*>("onairBox")->setChecked(true);
        dialog.findChild<QRadioButton*>("onairNowRadio")->setChecked(true);
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    ASSERT_TRUE(program.Frame().ExecuteCommand(CommandId::SetFilter));
    const int onAir = view->Model().rowCount();
    EXPECT_GT(onAir, 0);
    EXPECT_LT(onAir, all);

    // The condition the engine ran and the marker the list draws agree on every row shown.
    const OnAirTest marker = OnAirTest::At(clock.NowUtc());
    const RecordStore& store = program.Doc().Store();
    for (int row = 0; row < onAir; ++row) {
        EXPECT_TRUE(
            marker.IsOnAir(store.GetFieldValue(row, 10), store.GetFieldValue(row, 11), store.GetFieldValue(row, 12)))
            << "row " << row;
        if (row > 0) {
            EXPECT_LE(CompareGeneral(TextOf(store.GetFieldValue(row - 1, 1)), TextOf(store.GetFieldValue(row, 1))), 0)
                << "row " << row;
        }
    }

    driver.Answer(QMessageBox::Yes);
    EXPECT_TRUE(program.Frame().close());
    std::stringstream ini;
    ini << std::ifstream(dir.file("zofar.INI")).rdbuf();
    EXPECT_NE(ini.str().find("Database=SAMPLE"), std::string::npos);
    EXPECT_NE(ini.str().find("Sort=STATION"), std::string::npos);
    EXPECT_NE(ini.str().find("BFOnair=1"), std::string::npos);
    EXPECT_FALSE(program.Doc().IsOpen());
}

}  // namespace
}  // namespace zofar
