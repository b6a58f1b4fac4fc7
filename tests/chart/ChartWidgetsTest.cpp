#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <vector>

#include "chart/BandChartWidget.h"
#include "chart/ChartTestRecords.h"
#include "chart/ComingUpWidget.h"

namespace zofar {
namespace {

using test::MakeChartRecord;

UtcTime At(int hour, int minute) {
    UtcTime t;
    t.hour = hour;
    t.minute = minute;
    t.weekday = 2;
    return t;
}

class BandChartWidgetTest : public ::testing::Test {
protected:
    BandChartWidgetTest() {
        widget.resize(900, 500);
        widget.SetRecords({MakeChartRecord(7, 6000.0, 600, 700), MakeChartRecord(8, 6100.0, 600, 700)});
        widget.SetNow(At(10, 30));
        widget.show();
        EXPECT_TRUE(widget.SetBand("49m"));
    }

    // The centre of the first bar of a record, in canvas pixels.
    QPoint BarCentre(int id) const {
        const BandChartCanvas& canvas = *widget.Canvas();
        for (const ChartBar& bar : canvas.Layout().Bars()) {
            if (canvas.Records()[bar.record].id == id)
                return QPoint(static_cast<int>(bar.rect.left + bar.rect.width / 2),
                              static_cast<int>(bar.rect.top + bar.rect.height / 2));
        }
        ADD_FAILURE() << "no bar of " << id;
        return {};
    }

    BandChartWidget widget;
};

TEST_F(BandChartWidgetTest, theBandListSetsTheRangeAndAClickOnABarNamesItsRecord) {
    EXPECT_EQ(widget.Canvas()->Range(), FindBandPreset("49m")->range);
    EXPECT_EQ(widget.BandList()->currentText(), "49 m");
    EXPECT_FALSE(widget.SetBand("48m"));

    QSignalSpy chosen(&widget, &BandChartWidget::recordChosen);
    QTest::mouseClick(widget.Canvas(), Qt::LeftButton, {}, BarCentre(8));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 8);
    EXPECT_EQ(widget.Canvas()->SelectedId(), 8);

    QTest::mouseClick(widget.Canvas(), Qt::LeftButton, {}, BarCentre(8) + QPoint(0, 40));
    EXPECT_EQ(chosen.count(), 1) << "a click beside every bar chooses nothing";

    widget.BandList()->setCurrentIndex(0);
    EXPECT_EQ(widget.Canvas()->Range(), ChartGeometry::kWholeRange);
}

TEST_F(BandChartWidgetTest, theWheelAndARubberBandZoomTheFrequencies) {
    BandChartCanvas& canvas = *widget.Canvas();
    const QPointF at = BarCentre(7);
    QWheelEvent notch(at, canvas.mapToGlobal(at), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &notch);
    const FreqRange zoomed = canvas.Range();
    EXPECT_NEAR(zoomed.highKhz - zoomed.lowKhz, 300.0 * 0.8, 1e-6);
    EXPECT_NEAR(canvas.Geometry().FreqAtY(at.y()), 6000.0, 2.0) << "the frequency under the mouse stays";

    const int top = static_cast<int>(canvas.Geometry().YOfFreq(6150.0));
    const int bottom = static_cast<int>(canvas.Geometry().YOfFreq(6050.0));
    QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(300, top));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, bottom), canvas.mapToGlobal(QPointF(300, bottom)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&canvas, &move);
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(300, bottom));
    EXPECT_NEAR(canvas.Range().lowKhz, 6050.0, 2.0);
    EXPECT_NEAR(canvas.Range().highKhz, 6150.0, 2.0);
}

TEST_F(BandChartWidgetTest, theRecordUnderTheMouseIsTheOneTheLayoutHits) {
    const ChartRecord* record = widget.Canvas()->RecordAt(BarCentre(7));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->id, 7);
    EXPECT_EQ(widget.Canvas()->RecordAt(QPoint(5, 5)), nullptr);
}

TEST(ComingUpWidget, listsWhatStartsWithinTheSpinBoxsMinutesAndReportsTheChosenLine) {
    ComingUpWidget widget;
    widget.SetRecords(
        {MakeChartRecord(1, 6000.0, 10, 60), MakeChartRecord(2, 9400.0, 40, 60), MakeChartRecord(3, 5900.0, 1435, 60)});
    widget.SetNow(At(23, 50));
    EXPECT_EQ(widget.MinutesBox()->value(), 30);
    ASSERT_EQ(widget.List()->count(), 2);
    EXPECT_EQ(widget.List()->item(0)->text(), "in 5 min  23:55  5900 kHz  Station 3");
    EXPECT_EQ(widget.List()->item(1)->text(), "in 20 min  00:10  6000 kHz  Station 1");

    widget.MinutesBox()->setValue(60);
    EXPECT_EQ(widget.List()->count(), 3);

    QSignalSpy chosen(&widget, &ComingUpWidget::recordChosen);
    widget.show();
    widget.List()->setFocus();
    widget.List()->setCurrentRow(1);
    QTest::keyClick(widget.List(), Qt::Key_Return);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 1);

    widget.SetSelectedId(2);
    EXPECT_EQ(widget.List()->currentRow(), 2);
}

}  // namespace
}  // namespace zofar
