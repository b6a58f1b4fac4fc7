#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/PageFit.h"
#include "output/PageLayout.h"

namespace zofar {
namespace {

constexpr int kFreq = 0, kStation = 1, kLocation = 5, kCountry = 7, kStart = 10, kEnd = 11, kDays = 12;

// A4 portrait printable from 5 mm at the left and right, with 2 mm average characters: the
// columns start 16 mm from the area's left edge and the clip ends 190 mm from it.
PageInput A4(int averageCharWidth) {
    PageInput in;
    in.printer.widthMm = 200.0;
    in.printer.heightMm = 289.0;
    in.printer.widthPx = 2000;
    in.printer.heightPx = 2890;
    in.printer.pagePx = PageInput::PixelSize{2100, 2970};
    in.printer.offsetPx = PageInput::PixelOffset{50, 40};
    in.printer.averageCharWidth = averageCharWidth;
    return in;
}

TEST(PageFit, namesTheTickedColumnsThatEndRightOfTheClip) {
    const std::vector<int> ticked{kFreq, kStation, kLocation, kCountry, kStart, kEnd, kDays};
    const struct {
        int averageCharWidth;
        int borderRight;
        std::vector<int> beyond;
    } cases[] = {
        // 2.8 mm a character: LOCATION ends at 186.8 mm, COUNTRY starts at 195.2 mm.
        {20, 15, {kCountry, kStart, kEnd, kDays}},
        // Narrow characters: everything fits.
        {10, 15, {}},
        // A wider right border cuts into LOCATION's field.
        {20, 25, {kLocation, kCountry, kStart, kEnd, kDays}},
    };
    for (const auto& c : cases) {
        PageInput in = A4(c.averageCharWidth);
        in.borderRight = c.borderRight;
        EXPECT_EQ(ColumnsBeyondPage(in, ticked), c.beyond) << c.averageCharWidth << " " << c.borderRight;
    }
}

TEST(PageFit, theDialogsFigureAgreesWithThePrintedPagesLayout) {
    PageInput in = A4(20);
    in.columns.fill(false);
    for (int column : {kFreq, kStation, kLocation, kCountry, kStart}) in.columns[static_cast<size_t>(column)] = true;
    const std::vector<int> fromPages = ColumnsBeyondPage(ComputePageLayout(in));
    EXPECT_EQ(fromPages, (std::vector<int>{kCountry, kStart}));
    EXPECT_EQ(ColumnsBeyondPage(in, {kFreq, kStation, kLocation, kCountry, kStart}), fromPages);
}

TEST(PageFit, theNoteListsTheFieldNamesAndIsEmptyWhenAllFit) {
    EXPECT_EQ(ColumnsBeyondPageText({kStart, kEnd, kDays}), "Do not fit on the page: START, END, DAYS");
    EXPECT_EQ(ColumnsBeyondPageText({}), "");
}

}  // namespace
}  // namespace zofar
