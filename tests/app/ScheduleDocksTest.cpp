// The band chart and the coming-up list beside the list, in the real program: they follow the
// filter through the document's notices and a record picked in them becomes the list's.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QImage>
#include <QPrinter>

#include <filesystem>
#include <fstream>

#include "app/CMainFrame.h"
#include "app/ScheduleDocks.h"
#include "app/ZofarProgram.h"
#include "base/Clock.h"
#include "chart/BandChartWidget.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/CZOFView.h"

namespace zofar {
namespace {

TEST(ScheduleDocks, theDocksFollowTheFilterAndPickRecordsForTheListAndComeBackAsTheyWereLeft) {
    test::TempDir dir;
    test::RecordingReporter reporter;
    ASSERT_TRUE(test::CreateDatabase(dir.file("TEST.mdb"),
                                     {{9400.0, "Gamma", "12:00", "13:00"},
                                      {5900.0, "Alpha", "22:00", "02:00"},
                                      {6005.0, "Beta", "12:20", "14:00"}},
                                     reporter));
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=TEST\nSort=FREQ\n";
    AppPaths paths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")};
    FixedClock clock(UtcTime{2026, 12, 8, 12, 5, 0, 2});
    {
        ZofarProgram program(paths, clock);
        program.Start();
        ScheduleDocks& docks = program.Docks();
        EXPECT_FALSE(docks.ChartDock()->isVisibleTo(&program.Frame()));
        docks.ChartDock()->toggleViewAction()->trigger();
        docks.ComingUpDock()->toggleViewAction()->trigger();
        ASSERT_TRUE(docks.ChartDock()->isVisibleTo(&program.Frame()));
        ASSERT_EQ(docks.Chart().Canvas()->Records().size(), 3u);
        EXPECT_EQ(docks.Chart().Canvas()->Records()[0].station, "Alpha");  // frequency order

        // A new sort reaches the chart through the document's notice; so does the clock's minute.
        program.Doc().SortBy("STATION");
        ASSERT_EQ(docks.Chart().Canvas()->Records().size(), 3u);
        EXPECT_EQ(docks.Chart().Canvas()->Records()[2].station, "Gamma");
        EXPECT_TRUE(docks.Chart().Canvas()->Records()[2].onAirNow);
        clock.Set(UtcTime{2026, 12, 8, 13, 0, 0, 2});
        program.Doc().OnClockSecond();
        EXPECT_FALSE(docks.Chart().Canvas()->Records()[2].onAirNow);

        // Beta (UNIQUEID 3) picked in the chart becomes the list's selected record.
        emit docks.Chart().recordChosen(3);
        auto* view = qobject_cast<CZOFView*>(program.Frame().centralWidget());
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(program.Doc().CurrentPosition(), 1);  // Alpha, Beta, Gamma by station
        EXPECT_EQ(view->GetSelectedRow(), 1);
        EXPECT_EQ(docks.Chart().Canvas()->SelectedId(), 3);

        // The chart as shown goes to a file and to a printer.
        EXPECT_EQ(docks.SaveChart(dir.file("chart.png")), "");
        EXPECT_FALSE(QImage(QString::fromStdString(dir.file("chart.png"))).isNull());
        EXPECT_NE(docks.SaveChart(dir.file("no/such/folder/chart.png")), "");
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.file("chart.pdf")));
        EXPECT_TRUE(docks.PrintChart(printer));
        EXPECT_GT(std::filesystem::file_size(dir.file("chart.pdf")), 1000u);
    }
    ZofarProgram again(paths, clock);
    again.Start();
    EXPECT_TRUE(again.Docks().ChartDock()->isVisibleTo(&again.Frame()));
    EXPECT_TRUE(again.Docks().ComingUpDock()->isVisibleTo(&again.Frame()));
}

}  // namespace
}  // namespace zofar
