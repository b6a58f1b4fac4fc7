#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <string>
#include <vector>

#include "output/PagePainter.h"
#include "store/RecordStore.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

// One image pixel per 0.1 mm, so painted positions read directly as page positions.
constexpr int kDotsPerMetre = 10000;

class PagePainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<test::Row> rows;
        for (int i = 0; i < 30; ++i) rows.emplace_back(5900.0 + i, "A long station name " + std::to_string(i), "", "");
        ASSERT_TRUE(test::CreateDatabase(dir.file("P.mdb"), rows, reporter));
        store.OpenBrowseSet(dir.file("P.mdb"), "P", BuildSelectText(), BuildSortText("FREQ"), "");
        ASSERT_EQ(store.RecordCount(), 30);
        job.page.range = {0, 29};
        job.page.columns.fill(true);
        job.page.printDate = "03/07/2024";
        job.page.databaseName = "P";
    }

    static QImage Sheet() {
        QImage image(2100, 2970, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMetre);
        image.setDotsPerMeterY(kDotsPerMetre);
        image.fill(Qt::white);
        return image;
    }

    // The outermost painted pixels of `image` inside the rows top..bottom; left > right when none.
    static QRect Ink(const QImage& image, int top = 0, int bottom = -1) {
        if (bottom < 0) bottom = image.height() - 1;
        int left = image.width(), right = -1, inkTop = image.height(), inkBottom = -1;
        for (int y = top; y <= bottom; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(line[x]) > 128) continue;
                left = std::min(left, x);
                right = std::max(right, x);
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
            }
        }
        return QRect(QPoint(left, inkTop), QPoint(right, inkBottom));
    }

    test::TempDir dir;
    test::RecordingReporter reporter;
    RecordStore store{reporter};
    PrintJob job{PageInput{}, store, 0};
};

// A sheet whose printable area starts 4 mm below the paper's top edge: the top border is
// measured from the paper, so 11 mm remain below the printable area's edge. The device counts
// in whole pixels, so the sizes it reports are within a pixel of the millimetres.
TEST_F(PagePainterTest, aPagedDeviceReportsItsPrintableAreaOnThePage) {
    QPdfWriter writer(QString::fromStdString(dir.file("m.pdf")));
    writer.setResolution(254);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5.5, 4, 6.5, 7.5),
                                     QPageLayout::Millimeter));
    const PageInput::Printer answers = PagePainter::PagedDeviceAnswers(writer, 8);
    EXPECT_NEAR(answers.widthMm, 198.0, 0.1);
    EXPECT_NEAR(answers.heightMm, 285.5, 0.1);
    ASSERT_TRUE(answers.pagePx && answers.offsetPx);
    EXPECT_NEAR(answers.pagePx->width, 2100, 1);
    EXPECT_NEAR(answers.pagePx->height, 2970, 1);
    EXPECT_NEAR(answers.offsetPx->x, 55, 1);
    EXPECT_NEAR(answers.offsetPx->y, 40, 1);
    EXPECT_GT(answers.averageCharWidth, 0);

    const PageLayout layout = PagePainter(job, answers).Layout();
    EXPECT_EQ(layout.margins.top, 11);
    EXPECT_EQ(layout.margins.left, 14);
    EXPECT_EQ(layout.margins.right, 8);
    EXPECT_EQ(layout.margins.bottom, 7);
}

TEST_F(PagePainterTest, everyColumnIsCutAtTheMarginsAndNothingIsDrawnOutsideThem) {
    QImage image = Sheet();
    const PagePainter pages(job, PagePainter::DeviceAnswers(image, 8));
    const PageLayout::Rect clip = pages.Layout().clip;
    QPainter painter(&image);
    EXPECT_TRUE(pages.PaintPage(painter, 1));
    painter.end();

    const QRect ink = Ink(image);
    ASSERT_LE(ink.left(), ink.right()) << "something was painted";
    EXPECT_GE(ink.left(), clip.left);
    EXPECT_GE(ink.top(), clip.top);
    EXPECT_LT(ink.right(), clip.right);
    EXPECT_GT(ink.right(), clip.right - 20) << "the columns run on to the right margin and are cut there";
    EXPECT_LT(ink.bottom(), clip.bottom);
}

TEST_F(PagePainterTest, rightAlignedCellsEndAtTheirSlotsEndAndRowsFollowThePitch) {
    job.page.columns.fill(false);
    job.page.columns[0] = true;  // FREQ only
    QImage image = Sheet();
    const PagePainter pages(job, PagePainter::DeviceAnswers(image, 8));
    const PageLayout& layout = pages.Layout();
    ASSERT_EQ(layout.columnSlots.size(), 1u);
    ASSERT_EQ(layout.pageCount, 1);
    QPainter painter(&image);
    pages.PaintPage(painter, 1);
    painter.end();

    const int w = layout.charWidth;
    const int lastRowLine = PageLayout::kFirstRowLine + 29;
    for (int line : {PageLayout::kFirstRowLine, lastRowLine}) {
        const QRect cell = Ink(image, layout.LineY(line), layout.LineY(line + 1) - 1);
        ASSERT_LE(cell.left(), cell.right()) << "line " << line;
        EXPECT_LE(cell.right(), layout.columnSlots[0].textX) << "line " << line;
        EXPECT_GT(cell.right(), layout.columnSlots[0].textX - w) << "line " << line;
    }
    EXPECT_EQ(Ink(image, layout.LineY(lastRowLine + 1), layout.clip.bottom - 1).right(), -1)
        << "nothing below the last row of the set";
}

}  // namespace
}  // namespace zofar
