#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "output/PageLayout.h"
#include "output/PrintDate.h"

namespace zofar {
namespace {

using Printer = PageInput::Printer;

// A4 portrait at 10 pixels per mm whose printable area leaves `top` mm unprinted at the top,
// 5 mm at the left and right and 4 mm at the bottom.
Printer A4(double top = 4.0) {
    Printer p;
    p.widthMm = 200.0;
    p.heightMm = 297.0 - top - 4.0;
    p.widthPx = 2000;
    p.heightPx = static_cast<int>(std::lround(p.heightMm * 10));
    p.pagePx = PageInput::PixelSize{2100, 2970};
    p.offsetPx = PageInput::PixelOffset{50, static_cast<int>(std::lround(top * 10))};
    p.averageCharWidth = 20;
    return p;
}

// A printer that prints on the whole page: the borders are the margins.
Printer Borderless(double heightMm) {
    Printer p;
    p.widthMm = 200.0;
    p.heightMm = heightMm;
    p.widthPx = 200;
    p.heightPx = static_cast<int>(heightMm);
    p.pagePx = PageInput::PixelSize{p.widthPx, p.heightPx};
    p.offsetPx = PageInput::PixelOffset{0, 0};
    p.averageCharWidth = 20;
    return p;
}

PageInput Input(const Printer& printer) {
    PageInput in;
    in.printer = printer;
    in.columns.fill(true);
    return in;
}

PageInput WithBorders(PageInput in, int top, int bottom, int left, int right) {
    in.borderTop = top;
    in.borderBottom = bottom;
    in.borderLeft = left;
    in.borderRight = right;
    return in;
}

TEST(PageLayout, marginsAreMeasuredFromThePaperEdgeAndNeverBelowOneMillimetre) {
    Printer noPage = A4();
    noPage.pagePx.reset();
    Printer noOffset = A4();
    noOffset.offsetPx.reset();
    Printer noPixels = A4();
    noPixels.widthPx = 0;
    struct {
        const char* what;
        PageInput in;
        int top, bottom, left, right;
    } const cases[] = {
        {"defaults with 4 mm unprintable at the top", Input(A4(4.0)), 11, 11, 15, 10},
        {"part of a millimetre is truncated", Input(A4(4.5)), 10, 11, 15, 10},
        {"border below the printer's edge", WithBorders(Input(A4(4.0)), 3, 2, 5, 1), 1, 1, 1, 1},
        {"border at the printer's edge plus one", WithBorders(Input(A4(4.0)), 5, 5, 6, 6), 1, 1, 1, 1},
        {"no physical page size: fixed allowances", Input(noPage), 7, 5, 15, 10},
        {"no offset: fixed allowances", Input(noOffset), 7, 5, 15, 10},
        {"no pixel size: fixed allowances", Input(noPixels), 7, 5, 15, 10},
        {"fixed allowances keep one millimetre too", WithBorders(Input(noPage), 1, 1, 1, 1), 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        const PageLayout::Margins m = ComputePageLayout(c.in).margins;
        EXPECT_EQ(m.top, c.top) << c.what;
        EXPECT_EQ(m.bottom, c.bottom) << c.what;
        EXPECT_EQ(m.left, c.left) << c.what;
        EXPECT_EQ(m.right, c.right) << c.what;
    }
}

TEST(PageLayout, positionsFollowMarginsFontAndCharacterWidth) {
    const PageLayout page = ComputePageLayout(Input(A4(4.0)));
    EXPECT_NEAR(page.linePitch, 35.2778, 1e-4);
    EXPECT_EQ(page.charHeight, 28);
    EXPECT_EQ(page.charWidth, 28);
    EXPECT_EQ(page.LineY(0), 110) << "15 mm from the paper's top edge";
    EXPECT_EQ(page.LineY(1), 145);
    EXPECT_EQ(page.LineY(6), 321);
    EXPECT_EQ(page.ruleY, 338);
    EXPECT_EQ(page.x0, 160);
    EXPECT_EQ(page.x1, 440);
    EXPECT_EQ(page.pageNumberX, 1880);
    EXPECT_EQ(page.clip.left, 150);
    EXPECT_EQ(page.clip.top, 110);
    EXPECT_EQ(page.clip.right, 1900);
    EXPECT_EQ(page.clip.bottom, 2780);
    EXPECT_EQ(CharacterHeight(10), 35);
}

TEST(PageLayout, rowsPerPageAndPageCountComeFromOneFigure) {
    PageInput in = Input(Borderless(297.0));  // 267 mm between the margins
    in.fontHeight = 10;
    struct {
        int first, last;
        int pages;
    } const cases[] = {{0, 105, 2}, {0, 106, 3}, {10, 116, 3}, {4, 4, 1}, {0, -1, 0}, {5, 3, 0}};
    for (const auto& c : cases) {
        in.range = {c.first, c.last};
        const PageLayout page = ComputePageLayout(in);
        EXPECT_EQ(page.rowsPerPage, 53);
        EXPECT_EQ(page.pageCount, c.pages) << c.first << ".." << c.last;
    }
    in.range = {10, 116};
    const PageLayout page = ComputePageLayout(in);
    EXPECT_EQ(page.PageRows(1), (RecordRange{10, 62}));
    EXPECT_EQ(page.PageRows(2), (RecordRange{63, 115}));
    EXPECT_EQ(page.PageRows(3), (RecordRange{116, 116}));
    EXPECT_EQ(page.PageRows(4).Count(), 0);
    EXPECT_EQ(page.PageRows(0).Count(), 0);
}

TEST(PageLayout, tinyPrintableHeightStillGivesOneRowPerPage) {
    for (const double height : {40.0, 30.0, 10.0}) {
        PageInput in = Input(Borderless(height));
        in.fontHeight = 25;
        in.range = {0, 2};
        const PageLayout page = ComputePageLayout(in);
        EXPECT_EQ(page.rowsPerPage, 1) << height;
        EXPECT_EQ(page.pageCount, 3) << height;
        EXPECT_EQ(page.PageRows(3), (RecordRange{2, 2}));
    }
}

TEST(PageLayout, slotsFollowTheDisplayOrderWithCutHeadingsAndAlignment) {
    PageInput in = Input(A4(4.0));
    in.columns = {};
    for (std::size_t c : {0u, 1u, 3u, 4u, 9u}) in.columns[c] = true;  // FREQ STATION MODU STATUS LC
    in.layout.widths[4] = 5;                                          // STATUS hidden
    const PageLayout page = ComputePageLayout(in);
    const int x0 = page.x0;
    const int w = page.charWidth;
    struct {
        int column;
        int x, textX;
        const char* heading;
    } const expected[] = {
        {0, x0, x0 + 8 * w, "FREQ"},
        {1, x0 + 11 * w, x0 + 11 * w, "STATION"},
        {3, x0 + 36 * w, x0 + 36 * w, "MO"},
        {9, x0 + 40 * w, x0 + 40 * w, "LC"},
    };
    ASSERT_EQ(page.columnSlots.size(), std::size(expected));
    for (std::size_t i = 0; i < page.columnSlots.size(); ++i) {
        EXPECT_EQ(page.columnSlots[i].column, expected[i].column);
        EXPECT_EQ(page.columnSlots[i].x, expected[i].x);
        EXPECT_EQ(page.columnSlots[i].textX, expected[i].textX) << "right-aligned columns end at their slot's end";
        EXPECT_EQ(page.columnSlots[i].heading, expected[i].heading);
    }
    EXPECT_TRUE(page.columnSlots[0].rightAligned);
    EXPECT_FALSE(page.columnSlots[1].rightAligned);
    EXPECT_EQ(page.ruleEndX, x0 + 41 * w);

    in.layout = ColumnLayout{};
    in.columns = {};
    in.columns[4] = true;
    EXPECT_EQ(ComputePageLayout(in).columnSlots.at(0).heading, "ST");
}

TEST(PageLayout, headerBlockCarriesDateDatabaseFilterSortAndPage) {
    PageInput in = Input(A4());
    in.printDate = FormatPrintDate(UtcTime{2024, 3, 7});
    in.databaseName = "WINTER";
    in.filter = "FREQ BETWEEN 5900 AND 6200";
    in.sortKey = "FREQ";
    const PageLayout page = ComputePageLayout(in);
    EXPECT_EQ(page.header[0].label, "Date:");
    EXPECT_EQ(page.header[0].value, "03/07/2024");
    EXPECT_EQ(page.header[1].label, "Database:");
    EXPECT_EQ(page.header[1].value, "WINTER");
    EXPECT_EQ(page.header[2].label, "Filter:");
    EXPECT_EQ(page.header[2].value, "FREQ BETWEEN 5900 AND 6200");
    EXPECT_EQ(page.header[3].label, "Sort:");
    EXPECT_EQ(page.header[3].value, "FREQ");
    EXPECT_EQ(PageLayout::PageNumberText(12), "Page: 12");
    EXPECT_EQ(FormatPrintDate(UtcTime{12345, 11, 30}), "11/30/12345");
}

TEST(PageLayout, nonsensePrinterAnswersGiveAUsableLayout) {
    PageInput in = Input(A4());
    in.printer.heightMm = std::numeric_limits<double>::quiet_NaN();
    in.printer.widthMm = std::numeric_limits<double>::infinity();
    in.printer.averageCharWidth = std::numeric_limits<int>::max();
    in.fontHeight = 0;
    in.borderTop = std::numeric_limits<int>::max();
    in.range = {0, 9};
    const PageLayout page = ComputePageLayout(in);
    EXPECT_GE(page.rowsPerPage, 1);
    EXPECT_EQ(page.pageCount, 10 / page.rowsPerPage + (10 % page.rowsPerPage ? 1 : 0));
    EXPECT_GT(page.linePitch, 0.0);
    EXPECT_GE(page.columnSlots.back().x, page.columnSlots.front().x);
}

}  // namespace
}  // namespace zofar
