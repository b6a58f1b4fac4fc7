#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/CommandTable.h"
#include "base/Clock.h"
#include "document/CZOFDoc.h"
#include "support/DocumentFixture.h"
#include "view/CZOFView.h"
#include "view/ColumnLayoutRules.h"
#include "view/RecordTableModel.h"

namespace zofar {
namespace {

using test::CreateDatabase;
using test::RecordingReporter;
using test::Row;
using test::TempDir;

constexpr int kLc = 9;
constexpr int kRemarks = 19;
constexpr int kRecords = 120;

UtcTime At(int hour, int minute, int weekday = 3) {
    UtcTime t;
    t.hour = hour;
    t.minute = minute;
    t.weekday = weekday;
    return t;
}

class CZOFViewTest : public test::DocumentFixture {
protected:
    void SetUp() override {
        clock.Set(At(23, 30));
        std::vector<Row> rows;
        for (int i = 0; i < kRecords; ++i) {
            // Every third transmission runs over midnight, the others at noon.
            const bool night = i % 3 == 0;
            rows.emplace_back(5000.0 + i * 5, "Station " + std::to_string(1000 + i), night ? "22:00" : "12:00",
                              night ? "02:00" : "13:00", nullptr, "Country " + std::to_string(i % 7));
        }
        MakeDatabase("TEST", rows);
        view = std::make_unique<CZOFView>(doc);
        view->resize(900, 420);
        view->show();
        ui.list = view.get();
        doc.AddView(*view);
        doc.OnClockSecond();  // the clock's first second: the minute to count from
        connect();
    }
    void TearDown() override {
        doc.RemoveView(*view);
        ui.list = nullptr;
    }
    // The clock's second at a new minute.
    void Tick(int hour, int minute) {
        clock.Set(At(hour, minute));
        doc.OnClockSecond();
    }

    void connect() {
        QObject::connect(view.get(), &CZOFView::CommandRequested, [this](int id) { commands.push_back(id); });
    }
    void Open(const std::string& name = "TEST") { DocumentFixture::Open(name); }
    void FollowTheClock(uint32_t onAirNow = 1) {
        ChangeSettings([onAirNow](DocumentSettings& s) {
            s.criteria.BFOnair = 1;
            s.criteria.BFOnairNow = onAirNow;
        });
    }
    QHeaderView& Header() { return *view->horizontalHeader(); }
    QString CellText(int row, int column) { return view->Model().index(row, column).data().toString(); }
    bool MarkerIsRed(int row) {
        const auto pixmap = view->Model().index(row, 0).data(Qt::DecorationRole).value<QPixmap>();
        return pixmap.toImage() == view->Model().Marker(true).toImage();
    }
    void ShowPosition(int position) {
        doc.SetCurrentPosition(position);
        view->UpdateViews(kHintShowCurrent);
    }

    // Presses and releases (and for a double-click presses again) like a real mouse would.
    static void Click(QWidget* target, QPoint at, Qt::MouseButton button, bool twice) {
        const QPointF local(at);
        const QPointF global(target->mapToGlobal(at));
        auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
            QMouseEvent e(type, local, global, button, held, Qt::NoModifier);
            QApplication::sendEvent(target, &e);
        };
        send(QEvent::MouseButtonPress, button);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
        if (twice) {
            send(QEvent::MouseButtonDblClick, button);
            send(QEvent::MouseButtonRelease, Qt::NoButton);
        }
    }
    void ClickHeader(int column, Qt::MouseButton button = Qt::LeftButton, bool twice = false) {
        const int x = Header().sectionViewportPosition(column) + Header().sectionSize(column) / 2;
        Click(Header().viewport(), QPoint(x, Header().height() / 2), button, twice);
    }
    // Presses a key in the list and answers the selected row afterwards.
    int Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(view.get(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(view.get(), &release);
        return view->GetSelectedRow();
    }
    void DoubleClickRow(int row, Qt::MouseButton button) {
        const QRect cell = view->visualRect(view->Model().index(row, 1));
        Click(view->viewport(), cell.center(), button, true);
    }

    std::unique_ptr<CZOFView> view;
    std::vector<int> commands;
};

TEST_F(CZOFViewTest, withoutDatabaseTheListHasNoColumnsAndNoTimer) {
    EXPECT_EQ(view->Model().columnCount(), 0);
    EXPECT_EQ(view->Model().rowCount(), 0);
    EXPECT_FALSE(view->CaptureColumnLayout());
    EXPECT_EQ(view->GetSelectedRow(), -1);
}

TEST_F(CZOFViewTest, openingBuildsColumnsWithHeadingsAndDefaultWidths) {
    Open();
    ASSERT_EQ(view->Model().columnCount(), kFieldCount);
    EXPECT_EQ(view->Model().rowCount(), kRecords);
    EXPECT_EQ(view->Model().headerData(0, Qt::Horizontal).toString(), "FREQ");
    EXPECT_EQ(view->Model().headerData(3, Qt::Horizontal).toString(), "modu");
    EXPECT_EQ(view->Model().headerData(15, Qt::Horizontal).toString(), "TARGETAR");
    EXPECT_EQ(view->Model().headerData(19, Qt::Horizontal).toString(), "remarks");
    const int avg = view->AverageCharWidth();
    ASSERT_GT(avg, 0);
    for (int c = 0; c < kFieldCount; ++c) EXPECT_EQ(Header().sectionSize(c), DefaultColumnWidth(c, avg)) << c;
    for (int c = 0; c < kFieldCount; ++c) EXPECT_EQ(Header().visualIndex(c), c);
    EXPECT_EQ(view->GetSelectedRow(), 0);
}

TEST_F(CZOFViewTest, cellsAreReadFromTheBrowseSetWithTheirAlignment) {
    Open();
    EXPECT_EQ(CellText(0, 0), " 5000.0  ");
    EXPECT_EQ(CellText(2, 1), "Station 1002");
    EXPECT_EQ(CellText(3, 10), "22:00");
    EXPECT_EQ(CellText(3, 12), "");
    const auto right = view->Model().index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    const auto left = view->Model().index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    EXPECT_TRUE(right & Qt::AlignRight);
    EXPECT_TRUE(left & Qt::AlignLeft);
    EXPECT_FALSE(view->Model().index(0, 1).data(Qt::DecorationRole).isValid());
}

TEST_F(CZOFViewTest, markersFollowTheClockAtEachTick) {
    Open();
    EXPECT_TRUE(MarkerIsRed(0));   // 22:00-02:00 at 23:30
    EXPECT_FALSE(MarkerIsRed(1));  // 12:00-13:00
    clock.Set(At(12, 15));
    EXPECT_TRUE(MarkerIsRed(0)) << "the markers keep the sampled minute until the next tick";
    doc.OnClockSecond();
    EXPECT_FALSE(MarkerIsRed(0));
    EXPECT_TRUE(MarkerIsRed(1));
}

TEST_F(CZOFViewTest, aNewMinuteRequeriesOnlyWhileOnAirNowFilterIsActive) {
    Open();
    const size_t before = ui.hints.size();
    Tick(23, 31);
    EXPECT_EQ(ui.hints.size(), before) << "a plain minute only repaints";

    FollowTheClock();
    Tick(23, 32);
    ASSERT_EQ(ui.hints.size(), before + 2);
    EXPECT_EQ(ui.hints[before], kHintRequeried);
    EXPECT_EQ(ui.hints[before + 1], kHintShowCurrent);
    EXPECT_EQ(view->Model().rowCount(), doc.RecordCount());
    EXPECT_EQ(doc.RecordCount(), kRecords / 3);  // only the night transmissions at 23:32
}

TEST_F(CZOFViewTest, aMinuteArrivingWhileTheLastOneStillRunsIsSkipped) {
    Open();
    FollowTheClock();
    bool delivered = false;
    ui.duringStatus = [&] {
        if (delivered) return;
        delivered = true;
        Tick(23, 32);
    };
    const size_t before = ui.hints.size();
    Tick(23, 31);
    EXPECT_TRUE(delivered);
    EXPECT_EQ(ui.hints.size(), before + 2) << "one requery cycle";
    ui.duringStatus = nullptr;
    Tick(23, 33);
    EXPECT_EQ(ui.hints.size(), before + 4) << "the next minute runs again";
}

TEST_F(CZOFViewTest, showCurrentPositionSelectsTheRowAndCentresIt) {
    Open();
    const int perPage = view->RowsPerPage();
    ASSERT_GT(perPage, 4);
    ShowPosition(60);
    EXPECT_EQ(view->GetSelectedRow(), 60);
    const auto [first, last] = view->GetScreenRows();
    EXPECT_EQ(first, 60 - (perPage - 1) / 2);
    EXPECT_EQ(last, first + perPage - 1);
}

TEST_F(CZOFViewTest, aSmallerWindowKeepsTheSelectedRowInView) {
    Open();
    ShowPosition(60);
    const int last = view->GetScreenRows().second;
    view->selectionModel()->setCurrentIndex(view->Model().index(last, 1),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->resize(900, 160);
    QApplication::processEvents();
    ASSERT_EQ(view->GetSelectedRow(), last);
    const auto [first, shownLast] = view->GetScreenRows();
    EXPECT_LE(first, last);
    EXPECT_GE(shownLast, last);
}

TEST_F(CZOFViewTest, noPositionWithOnAirNowFilterLeavesSelectionAndScrollAlone) {
    Open();
    ShowPosition(80);
    const int scroll = view->verticalScrollBar()->value();
    FollowTheClock();
    ShowPosition(-1);
    EXPECT_EQ(view->GetSelectedRow(), 80);
    EXPECT_EQ(view->verticalScrollBar()->value(), scroll);

    FollowTheClock(0);
    ShowPosition(-1);
    EXPECT_EQ(view->GetSelectedRow(), 0);
    EXPECT_EQ(view->GetScreenRows().first, 0);
}

TEST_F(CZOFViewTest, sortingKeepsAVisibleSelectedRecordSelected) {
    Open();
    ShowPosition(10);  // Station 1010
    doc.SortBy("STATION");
    const int row = view->GetSelectedRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(CellText(row, 1), "Station 1010");
    const auto [first, last] = view->GetScreenRows();
    EXPECT_LE(first, row);
    EXPECT_GE(last, row);
}

TEST_F(CZOFViewTest, requeryChangesTheRowCountWithoutReadingCells) {
    Open();
    ShowPosition(100);
    const int scroll = view->verticalScrollBar()->value();
    const long fetches = doc.Store().RowFetchQueries();
    view->UpdateViews(kHintRequeried);
    EXPECT_EQ(doc.Store().RowFetchQueries(), fetches);
    EXPECT_EQ(view->verticalScrollBar()->value(), scroll) << "the list keeps its place";
    EXPECT_EQ(view->GetSelectedRow(), 100);
}

TEST_F(CZOFViewTest, paintingAScreenFetchesRowsPageWiseNotPerCell) {
    Open();
    ShowPosition(60);
    const long before = doc.Store().RowFetchQueries();
    view->grab();
    EXPECT_LE(doc.Store().RowFetchQueries() - before, 2);
    EXPECT_TRUE(ui.storeErrors.empty());
}

TEST_F(CZOFViewTest, doubleClickOnADividerFitsTheColumnToTheScreenWithoutReadingFurtherRows) {
    Open();
    ShowPosition(0);
    view->grab();
    const long before = doc.Store().RowFetchQueries();
    const int width = Header().sectionSize(1);
    const int x = Header().sectionViewportPosition(1) + Header().sectionSize(1) - 1;
    Click(Header().viewport(), QPoint(x, Header().height() / 2), Qt::LeftButton, true);
    EXPECT_NE(Header().sectionSize(1), width) << "the column was fitted";
    EXPECT_EQ(doc.Store().RowFetchQueries(), before);
    EXPECT_TRUE(commands.empty()) << "a divider is no heading: no sort, no go-to";
}

TEST_F(CZOFViewTest, storedLayoutIsAppliedAndCapturedBack) {
    ColumnLayout stored;
    std::swap(stored.order[0], stored.order[1]);
    stored.widths[0] = 4;
    stored.widths[2] = 150;
    ChangeSettings([&stored](DocumentSettings& s) { s.layout = stored; });
    Open();
    EXPECT_EQ(Header().logicalIndex(0), 1) << "STATION left of FREQ";
    EXPECT_EQ(Header().logicalIndex(1), 0);
    EXPECT_EQ(Header().sectionSize(0), 4);
    EXPECT_EQ(Header().sectionSize(2), 150);
    const auto captured = view->CaptureColumnLayout();
    ASSERT_TRUE(captured);
    EXPECT_EQ(captured->order, stored.order);
    EXPECT_EQ(captured->widths[0], 4);
    EXPECT_TRUE(IsHiddenColumnWidth(captured->widths[0]));
    EXPECT_EQ(captured->widths[2], 150);
    EXPECT_EQ(captured->widths[1], DefaultColumnWidth(1, view->AverageCharWidth()));
}

TEST_F(CZOFViewTest, closingKeepsTheUsersLayoutForTheNextDatabase) {
    Open();
    Header().moveSection(Header().visualIndex(5), 0);  // LOCATION leftmost
    Header().resizeSection(1, 3);
    doc.OnDatabaseClose();

    const ColumnLayout& kept = doc.Settings().layout;
    EXPECT_EQ(kept.order[5], 0);
    EXPECT_EQ(kept.order[0], 1);
    EXPECT_EQ(kept.widths[1], 3);
    EXPECT_EQ(view->Model().columnCount(), 0);
    EXPECT_EQ(view->Model().rowCount(), 0);

    Open();
    EXPECT_EQ(Header().logicalIndex(0), 5) << "the layout comes back with the next database";
    EXPECT_EQ(Header().sectionSize(1), 3);
}

TEST_F(CZOFViewTest, headerClickSendsTheSortCommandOfItsColumnOnly) {
    Open();
    ClickHeader(kLc);
    ClickHeader(kRemarks);
    ClickHeader(kLc, Qt::RightButton);
    EXPECT_EQ(commands, std::vector<int>{static_cast<int>(CommandId::SortLc)});
}

TEST_F(CZOFViewTest, aClickOnTheSortedHeaderReversesTheOrderAndTheMarkShowsTheDirection) {
    Open();
    const int freq = 0;
    ClickHeader(freq);
    EXPECT_EQ(commands, std::vector<int>{static_cast<int>(CommandId::SortDescending)});
    ASSERT_TRUE(doc.Execute(CommandId::SortDescending));
    EXPECT_EQ(Header().sortIndicatorSection(), freq);
    EXPECT_EQ(Header().sortIndicatorOrder(), Qt::DescendingOrder);
    ASSERT_TRUE(doc.Execute(CommandId::SortLc));
    EXPECT_EQ(Header().sortIndicatorSection(), kLc);
    EXPECT_EQ(Header().sortIndicatorOrder(), Qt::AscendingOrder);

    commands.clear();
    ClickHeader(kLc, Qt::LeftButton, true);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), static_cast<int>(CommandId::SortDescending)), 1)
        << "the double-click's closing release reverses nothing more";
}

TEST_F(CZOFViewTest, headerDoubleClickSendsTheGoToCommandForTheLeftButtonOnly) {
    Open();
    ClickHeader(kLc, Qt::RightButton, true);
    EXPECT_TRUE(commands.empty());
    ClickHeader(kRemarks, Qt::LeftButton, true);
    EXPECT_TRUE(commands.empty());
    ClickHeader(kLc, Qt::LeftButton, true);
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), static_cast<int>(CommandId::GoToLc));
}

TEST_F(CZOFViewTest, rowDoubleClickTunesWithTheLeftButtonOnly) {
    Open();
    DoubleClickRow(2, Qt::RightButton);
    EXPECT_TRUE(commands.empty());
    DoubleClickRow(2, Qt::LeftButton);
    EXPECT_EQ(commands, std::vector<int>{static_cast<int>(CommandId::Tune)});
    EXPECT_EQ(view->GetSelectedRow(), 2);
}

TEST_F(CZOFViewTest, keysMoveTheSelectionByRecordsAndKeepItInView) {
    Open();
    ShowPosition(50);
    const int perPage = view->RowsPerPage();
    EXPECT_EQ(Key(Qt::Key_Down), 51);
    EXPECT_EQ(Key(Qt::Key_Up), 50);
    EXPECT_GT(Key(Qt::Key_PageDown), 50 + perPage / 2);
    EXPECT_EQ(Key(Qt::Key_End), kRecords - 1);
    EXPECT_EQ(view->GetScreenRows().second, kRecords - 1);
    EXPECT_EQ(Key(Qt::Key_Home), 0);
    EXPECT_EQ(view->GetScreenRows().first, 0);
    EXPECT_EQ(Key(Qt::Key_End, Qt::ControlModifier), kRecords - 1);
    EXPECT_LT(Key(Qt::Key_PageUp), kRecords - 1 - perPage / 2);
}

TEST_F(CZOFViewTest, columnsScrolledIntoViewStayWhileTheSelectionMoves) {
    Open();
    ShowPosition(10);
    QScrollBar& sideways = *view->horizontalScrollBar();
    ASSERT_GT(sideways.maximum(), 0) << "the test needs more columns than the list shows";
    Key(Qt::Key_Right);
    EXPECT_GT(sideways.value(), 0) << "Right scrolls the columns";
    EXPECT_EQ(view->GetSelectedRow(), 10) << "and leaves the selection alone";
    Key(Qt::Key_Left);
    EXPECT_EQ(sideways.value(), 0);

    sideways.setValue(sideways.maximum());
    Key(Qt::Key_Down);
    ShowPosition(90);
    Key(Qt::Key_Home);
    EXPECT_EQ(sideways.value(), sideways.maximum());
}

TEST_F(CZOFViewTest, typingInTheListNeitherSearchesNorMovesTheSelection) {
    Open();
    ShowPosition(30);
    view->grab();
    const long fetches = doc.Store().RowFetchQueries();
    EXPECT_EQ(Key(Qt::Key_S, Qt::NoModifier, QStringLiteral("s")), 30);
    EXPECT_EQ(Key(Qt::Key_Z, Qt::NoModifier, QStringLiteral("z")), 30);
    EXPECT_EQ(doc.Store().RowFetchQueries(), fetches) << "no row beyond the screen is read";
}

TEST_F(CZOFViewTest, selectionKeepsItsColourWithoutFocus) {
    const QPalette& p = view->palette();
    EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight), p.color(QPalette::Active, QPalette::Highlight));
}

}  // namespace
}  // namespace zofar
