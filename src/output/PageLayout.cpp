#include "output/PageLayout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

#include "base/TextEncoding.h"

namespace zofar {
namespace {

// Line pitch per point of font height, in 0.1 mm: a point is 254 / 72 tenths, and the lines
// stand 1.25 font heights apart.
constexpr double kPitchPerPoint = 4.409722222222222;
// Allowances for the part of the paper a printer cannot print on, when it does not say.
constexpr int kFallbackTop = 8;
constexpr int kFallbackBottom = 10;
constexpr int kFallbackLeft = 5;
constexpr int kFallbackRight = 5;
// Printer answers and options beyond this (in 0.1 mm or mm) are nonsense; limiting them keeps
// every position inside int.
constexpr double kLimit = 1.0e6;

int Trunc(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

double Finite(double value) { return std::isfinite(value) ? std::clamp(value, -kLimit, kLimit) : 0.0; }

int EffectiveMargin(double margin) { return Trunc(std::max(margin, 1.0)); }

PageLayout::Margins EffectiveMargins(const PageInput& in) {
    const auto& p = in.printer;
    const double w = Finite(p.widthMm);
    const double h = Finite(p.heightMm);
    if (p.pagePx && p.offsetPx && p.widthPx > 0 && p.heightPx > 0) {
        const double mmPerPxX = w / p.widthPx;
        const double mmPerPxY = h / p.heightPx;
        const double pageW = mmPerPxX * p.pagePx->width;
        const double pageH = mmPerPxY * p.pagePx->height;
        const double offX = mmPerPxX * p.offsetPx->x;
        const double offY = mmPerPxY * p.offsetPx->y;
        return {EffectiveMargin(in.borderTop - offY), EffectiveMargin(in.borderBottom - (pageH - h - offY)),
                EffectiveMargin(in.borderLeft - offX), EffectiveMargin(in.borderRight - (pageW - w - offX))};
    }
    // Without the printer's answers the allowances are a guess; a margin below 1 mm would
    // put the header or the columns outside what the printer prints.
    return {EffectiveMargin(static_cast<double>(in.borderTop) - kFallbackTop),
            EffectiveMargin(static_cast<double>(in.borderBottom) - kFallbackBottom),
            EffectiveMargin(static_cast<double>(in.borderLeft) - kFallbackLeft),
            EffectiveMargin(static_cast<double>(in.borderRight) - kFallbackRight)};
}

}  // namespace

std::vector<PageLayout::Slot> LayColumnSlots(const std::vector<int>& columns, int x0, int w) {
    std::vector<PageLayout::Slot> slots;
    int x = x0;
    for (int column : columns) {
        if (column < 0) continue;
        const ColumnInfo& info = FieldColumn(column);
        PageLayout::Slot slot;
        slot.column = column;
        slot.x = x;
        slot.size = info.size;
        slot.rightAligned = info.rightAligned;
        slot.textX = info.rightAligned ? x + info.size * w : x;
        slot.heading = std::string(Utf8Prefix(info.name, static_cast<std::size_t>(info.size) + 1));
        slots.push_back(std::move(slot));
        x += (info.size + 3) * w;
    }
    return slots;
}

double LinePitch(int fontHeight) { return std::max(fontHeight, 1) * kPitchPerPoint; }

int CharacterHeight(int fontHeight) { return Trunc(LinePitch(fontHeight) * 0.8); }

int PageLayout::LineY(int line) const { return margins.top * 10 + Trunc(line * linePitch); }

RecordRange PageLayout::PageRows(int page) const {
    if (page < 1 || page > pageCount) return {};
    const int first = range.first + (page - 1) * rowsPerPage;
    return {first, std::min(first + rowsPerPage - 1, range.last)};
}

std::string PageLayout::PageNumberText(int page) { return "Page: " + std::to_string(page); }

PageLayout ComputePageLayout(const PageInput& in) {
    PageLayout out;
    out.margins = EffectiveMargins(in);
    const auto& m = out.margins;
    const double w = Finite(in.printer.widthMm);
    const double h = Finite(in.printer.heightMm);

    out.clip = {m.left * 10, m.top * 10, Trunc((w - m.right) * 10), Trunc((h - m.bottom) * 10)};
    out.linePitch = LinePitch(in.fontHeight);
    out.charHeight = CharacterHeight(in.fontHeight);
    out.charWidth = Trunc(std::max(in.printer.averageCharWidth, 0) * 1.4);
    out.x0 = m.left * 10 + 10;
    out.x1 = out.x0 + 10 * out.charWidth;
    out.pageNumberX = Trunc((w - m.right) * 10) - 20;

    // One figure for the page count and for the rows of each page; a page too short for the
    // header block still carries one row.
    out.rowsPerPage = std::max(1, Trunc((h - m.top - m.bottom) * 10 / out.linePitch) - PageLayout::kFirstRowLine);
    out.range = in.range;
    const int rows = in.range.Count();
    out.pageCount = rows > 0 ? 1 + (rows - 1) / out.rowsPerPage : 0;

    out.header = {
        {{"Date:", in.printDate}, {"Database:", in.databaseName}, {"Filter:", in.filter}, {"Sort:", in.sortKey}}};
    const auto byPosition = OutputColumnsByPosition(in.layout, in.columns, in.databaseColumns);
    out.columnSlots = LayColumnSlots({byPosition.begin(), byPosition.end()}, out.x0, out.charWidth);
    out.ruleY = Trunc(out.LineY(PageLayout::kRuleLine) + 0.5 * out.linePitch);
    // The rule ends with the last slot's field, before its three blanks of spacing.
    out.ruleEndX = out.columnSlots.empty() ? out.x0 - 3 * out.charWidth
                                           : out.columnSlots.back().x + out.columnSlots.back().size * out.charWidth;
    return out;
}

}  // namespace zofar
