#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <string>
#include <vector>

#include "chart/ChartFile.h"
#include "chart/ChartTestRecords.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using test::MakeChartRecord;

constexpr int kWidth = 900, kHeight = 420;

QColor ToQt(Rgb c) { return {c.r, c.g, c.b}; }

class BandChartPainterTest : public ::testing::Test {
protected:
    BandChartPainterTest() {
        now.hour = 23;
        now.minute = 30;
        now.weekday = 3;
        records = {MakeChartRecord(1, 6000.0, 22 * 60, 60, "", "English", true),
                   MakeChartRecord(2, 6100.0, 6 * 60, 9 * 60, "", "French"),
                   MakeChartRecord(3, 6100.0, 7 * 60, 8 * 60, "", "German"),
                   MakeChartRecord(4, 7300.0, 0, 1440)};  // outside the band
        scene.records = records;
        scene.range = FindBandPreset("49m")->range;
        scene.now = now;
    }

    QImage SavedPng() {
        const std::string path = dir.file("chart.png");
        EXPECT_EQ(SaveBandChart(path, scene, kWidth, kHeight), "");
        QImage image(QString::fromStdString(path));
        EXPECT_EQ(image.size(), QSize(kWidth, kHeight));
        return image.convertToFormat(QImage::Format_RGB32);
    }

    static QColor At(const QImage& image, double x, double y) {
        return image.pixelColor(static_cast<int>(x), static_cast<int>(y));
    }

    test::TempDir dir;
    UtcTime now;
    std::vector<ChartRecord> records;
    BandChartScene scene;
};

TEST_F(BandChartPainterTest, aSavedPngHasEveryBarWhereTheGeometrySaysAndTheNowLine) {
    const QImage image = SavedPng();
    const ChartGeometry geometry(ChartPlotArea(kWidth, kHeight), scene.range);
    const ChartLayout layout(geometry, records);
    ASSERT_EQ(layout.Bars().size(), 4u) << "two bars of the wrapped record, one each of the others";
    for (const ChartBar& bar : layout.Bars()) {
        const double x = bar.rect.left + bar.rect.width / 3;  // clear of the now-line
        const double y = bar.rect.top + bar.rect.height / 2;
        EXPECT_EQ(At(image, x, y), ToQt(BarColour(records[bar.record], scene.colouring)))
            << "record " << records[bar.record].id << " at " << x << "," << y;
    }
    const double quietY = geometry.YOfFreq(6150.0) + 7;  // no bar, no grid line
    EXPECT_EQ(At(image, geometry.XOfMinute(12 * 60 + 30), quietY), QColor(Qt::white));
    EXPECT_EQ(At(image, geometry.NowLineX(now), quietY), QColor(Qt::black));
}

TEST_F(BandChartPainterTest, colouringByLanguageAndTheHighlightFollowTheScene) {
    scene.colouring = ChartColouring::Language;
    scene.highlightedId = 3;
    const QImage image = SavedPng();
    const ChartGeometry geometry(ChartPlotArea(kWidth, kHeight), scene.range);
    const ChartLayout layout(geometry, records);
    for (const ChartBar& bar : layout.Bars()) {
        const double y = bar.rect.top + bar.rect.height / 2;
        EXPECT_EQ(At(image, bar.rect.left + bar.rect.width / 3, y),
                  ToQt(BarColour(records[bar.record], ChartColouring::Language)));
        const QColor justLeft = At(image, bar.rect.left - 1, y);
        if (records[bar.record].id == 3) {
            EXPECT_LT(justLeft.lightness(), 60) << "outlined";
        } else if (records[bar.record].id == 2) {
            EXPECT_GT(justLeft.lightness(), 200) << "white, or the 06:00 grid line";
        }
    }
}

TEST_F(BandChartPainterTest, writesSvgAndPdfByTheExtensionAndRefusesOthers) {
    const std::string svg = dir.file("chart.SVG");
    const std::string pdf = dir.file("chart.pdf");
    ASSERT_EQ(SaveBandChart(svg, scene, kWidth, kHeight), "");
    ASSERT_EQ(SaveBandChart(pdf, scene, kWidth, kHeight), "");
    QFile svgFile(QString::fromStdString(svg));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    EXPECT_TRUE(svgText.contains("<svg")) << svgText.left(200).toStdString();
    EXPECT_TRUE(svgText.contains("24:00"));
    QFile pdfFile(QString::fromStdString(pdf));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));

    EXPECT_NE(SaveBandChart(dir.file("chart.gif"), scene, kWidth, kHeight), "");
    EXPECT_NE(SaveBandChart(dir.file("no/such/folder/chart.png"), scene, kWidth, kHeight), "");
    EXPECT_NE(SaveBandChart(dir.file("chart.png"), scene, 0, kHeight), "");
}

}  // namespace
}  // namespace zofar
