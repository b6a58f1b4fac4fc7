#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "output/OutputColumns.h"
#include "output/RecordRange.h"
#include "view/ColumnLayout.h"

namespace zofar {

/// Everything the page arithmetic of printing needs: the printer's answers, the print options
/// and the texts of the header block.
struct PageInput {
    struct PixelSize {
        int width = 0;
        int height = 0;
    };
    struct PixelOffset {
        int x = 0;
        int y = 0;
    };
    struct Printer {
        double widthMm = 0.0;   ///< printable width W
        double heightMm = 0.0;  ///< printable height H
        int widthPx = 0;        ///< printable width in device pixels
        int heightPx = 0;       ///< printable height in device pixels
        /// The physical page in device pixels; absent when the printer does not say.
        std::optional<PixelSize> pagePx;
        /// The printable area's offset from the page's top-left corner in device pixels;
        /// absent when the printer does not say.
        std::optional<PixelOffset> offsetPx;
        /// The print font's average character width as the printer reports it, in 0.1 mm.
        /// Only the column and header positions depend on it; the page count does not.
        int averageCharWidth = 0;
    };

    Printer printer;
    int borderTop = 15;  ///< borders in mm, measured from the paper's edge
    int borderBottom = 15;
    int borderLeft = 20;
    int borderRight = 15;
    int fontHeight = 8;  ///< points
    ColumnLayout layout;
    ColumnFlags columns{};
    ColumnSet databaseColumns;  ///< the optional columns of the printed database
    RecordRange range;          ///< the rows of the browse set to print
    std::string printDate;
    std::string databaseName;
    std::string filter;  ///< the filter in words
    std::string sortKey;
};

/// The pages as the painter draws them. Positions and sizes are in 0.1 mm, x rightwards from
/// the printable area's left edge and y downwards from its top edge, unless named otherwise.
struct PageLayout {
    struct Margins {  ///< whole mm from the printable area's edges
        int top = 0;
        int bottom = 0;
        int left = 0;
        int right = 0;
    };
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };
    /// One printed column, in display order.
    struct Slot {
        int column = 0;             ///< the printed field
        int x = 0;                  ///< the slot's left end
        int size = 0;               ///< the field size in characters
        bool rightAligned = false;  ///< the text's right end (not its left) is at `textX`
        int textX = 0;              ///< x of heading and cells: the slot's left or right end
        std::string heading;        ///< the field name cut to at most size + 1 characters
    };
    struct HeaderLine {
        std::string label;  ///< drawn at x0
        std::string value;  ///< drawn at x1
    };

    /// Lines 0 to 3 hold the header block, line 4 stays empty, then the headings, the rule and
    /// the rows.
    static constexpr int kHeadingLine = 5;
    static constexpr int kRuleLine = 6;
    static constexpr int kFirstRowLine = 7;

    Margins margins;
    Rect clip;                         ///< all drawing stays inside the margins
    double linePitch = 0.0;            ///< distance of two text lines
    int charHeight = 0;                ///< the font's character height
    int charWidth = 0;                 ///< w: the column unit
    int x0 = 0;                        ///< labels, headings and the rule start here
    int x1 = 0;                        ///< values of the header block
    int pageNumberX = 0;               ///< right end of "Page: " and the number, on line 0
    int rowsPerPage = 1;               ///< at least 1 whatever the margins and font
    int pageCount = 0;                 ///< 0 when there is no row to print
    std::array<HeaderLine, 4> header;  ///< lines 0 to 3
    std::vector<Slot> columnSlots;     ///< printed columns, with their headings (not "slots": a Qt keyword)
    int ruleY = 0;                     ///< the rule under the headings
    int ruleEndX = 0;                  ///< the rule runs from x0 to here
    RecordRange range;

    /// Top of text line k (0 = the first header line).
    int LineY(int line) const;
    /// The rows printed on page 1..pageCount; an empty range for any other page.
    RecordRange PageRows(int page) const;
    /// "Page: " and the page number.
    static std::string PageNumberText(int page);
};

/// Line pitch of a font height in points, in 0.1 mm (points * 1.25 * 25.4 / 72).
double LinePitch(int fontHeight);
/// The print font's character height in 0.1 mm: the line pitch times 0.8, truncated.
int CharacterHeight(int fontHeight);

/// The slots of `columns` (list columns, left to right; others skipped) from `x0` on, each its
/// field size of `w` wide with three blanks of `w` after it.
std::vector<PageLayout::Slot> LayColumnSlots(const std::vector<int>& columns, int x0, int w);

/// All page arithmetic of a print run. The effective margins take off what the printer cannot
/// print on anyway; when it does not report its page size or offset, fixed allowances stand in.
/// The page count and every page's rows come from one rows-per-page figure, so they never
/// disagree.
PageLayout ComputePageLayout(const PageInput& input);

}  // namespace zofar
