// The list with the extra fields of a schedule database: their columns, and sorting by one.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QScrollBar>

#include <memory>

#include "support/DocumentFixture.h"
#include "support/ScheduleDatabase.h"
#include "view/CZOFView.h"
#include "view/HeaderClick.h"
#include "view/RecordTableModel.h"

namespace zofar {
namespace {

class ExtraColumnsViewTest : public test::DocumentFixture {
protected:
    void SetUp() override {
        test::RecordingReporter reporter;
        ASSERT_TRUE(test::CreateScheduleDatabase(
            dir.file("EIBI.mdb"), {{9410, "B", "12-24"}, {6000, "A", "01-01"}, {7000, "C", "06-30"}}, reporter));
        view = std::make_unique<CZOFView>(doc);
        view->resize(900, 300);
        view->show();
        ui.list = view.get();
        QObject::connect(view.get(), &CZOFView::SortRequested,
                         [this](const QString& key) { doc.SortBy(key.toStdString()); });
    }
    void TearDown() override { ui.list = nullptr; }
    QString Heading(int column) { return view->Model().headerData(column, Qt::Horizontal).toString(); }
    QString Cell(int row, int column) { return view->Model().index(row, column).data().toString(); }

    std::unique_ptr<CZOFView> view;
};

TEST_F(ExtraColumnsViewTest, aScheduleShowsItsExtraColumnsWithHeadersAndValues) {
    Open("EIBI");
    ASSERT_EQ(view->Model().columnCount(), kFieldCount + kExtensionFieldCount);
    EXPECT_EQ(Heading(kFieldCount), "VALIDFROM");
    EXPECT_EQ(Heading(kFieldCount + 1), "VALIDTO");
    EXPECT_EQ(Heading(kFieldCount + 5), "LASTLOG");
    EXPECT_EQ(Cell(0, 0).trimmed(), "6000.0") << "in frequency order";
    EXPECT_EQ(Cell(0, kFieldCount), "01-01");
    EXPECT_EQ(Cell(0, kFieldCount + 1), "12-31");
    EXPECT_EQ(view->Model().index(0, kFieldCount).data(Qt::DecorationRole).isNull(), true)
        << "the on-air marker stays in the first column";
    EXPECT_FALSE(view->Model().index(0, 0).data(Qt::DecorationRole).isNull());
    EXPECT_EQ(view->horizontalHeader()->sectionSize(kFieldCount),
              FieldColumn(kValidFromField).width * view->AverageCharWidth());
}

TEST_F(ExtraColumnsViewTest, aHeaderClickOnValidFromSortsByItAndMarksIt) {
    Open("EIBI");
    QHeaderView* header = view->horizontalHeader();
    const int section = kFieldCount;  // VALIDFROM
    // The schedule's first layout puts the listening fields first; the column is scrolled to.
    view->horizontalScrollBar()->setValue(header->sectionViewportPosition(section) +
                                          view->horizontalScrollBar()->value());
    test::ClickHeader(header, section);
    EXPECT_EQ(doc.SortKey(), "VALIDFROM");
    EXPECT_EQ(header->sortIndicatorSection(), section);
    EXPECT_EQ(Cell(0, 1), "A");
    EXPECT_EQ(Cell(2, 1), "B");
}

}  // namespace
}  // namespace zofar
