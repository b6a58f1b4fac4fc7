#include "output/PagePainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstddef>
#include <optional>

#include "output/OutputCell.h"
#include "store/RecordStore.h"
#include "widgets/QtText.h"

namespace zofar {
namespace {

// Painting is in tenths of a millimetre; a device counts its pixels per inch.
constexpr double kTenthsPerInch = 254.0;

// The text's top-left corner (or, right-aligned, its top-right corner) is at (x, top).
void DrawAt(QPainter& painter, const QFontMetricsF& metrics, double x, int top, const QString& text,
            bool rightAligned) {
    const double left = rightAligned ? x - metrics.horizontalAdvance(text) : x;
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
}

}  // namespace

PagePainter::PagePainter(const PrintJob& job, const PageInput::Printer& printer)
    : store_(job.store), fontHeight_(job.page.fontHeight) {
    PageInput input = job.page;
    input.printer = printer;
    layout_ = ComputePageLayout(input);
}

QFont PagePainter::PrintFont(int fontHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, CharacterHeight(fontHeight)));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Outlines without hinting: the widths then scale with the device, as a printer's font
    // does, instead of following a screen's pixel grid.
    font.setStyleStrategy(QFont::ForceOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int PagePainter::AverageCharWidth(int fontHeight) {
    return qRound(QFontMetricsF(PrintFont(fontHeight)).averageCharWidth());
}

PageInput::Printer PagePainter::PagedDeviceAnswers(const QPagedPaintDevice& device, int fontHeight) {
    const QPageLayout layout = device.pageLayout();
    const int resolution = device.logicalDpiX();
    const QRect paint = layout.paintRectPixels(resolution);
    const QRect full = layout.fullRectPixels(resolution);
    const QRectF paintMm = layout.paintRect(QPageLayout::Millimeter);
    PageInput::Printer p;
    p.widthMm = paintMm.width();
    p.heightMm = paintMm.height();
    p.widthPx = paint.width();
    p.heightPx = paint.height();
    p.pagePx = PageInput::PixelSize{full.width(), full.height()};
    p.offsetPx = PageInput::PixelOffset{paint.left() - full.left(), paint.top() - full.top()};
    p.averageCharWidth = AverageCharWidth(fontHeight);
    return p;
}

PageInput::Printer PagePainter::DeviceAnswers(const QPaintDevice& device, int fontHeight) {
    PageInput::Printer p;
    p.widthPx = device.width();
    p.heightPx = device.height();
    p.widthMm = device.logicalDpiX() > 0 ? p.widthPx * 25.4 / device.logicalDpiX() : 0.0;
    p.heightMm = device.logicalDpiY() > 0 ? p.heightPx * 25.4 / device.logicalDpiY() : 0.0;
    p.averageCharWidth = AverageCharWidth(fontHeight);
    return p;
}

bool PagePainter::PaintPage(QPainter& painter, int page) const {
    const RecordRange rows = layout_.PageRows(page);
    const QPaintDevice* device = painter.device();
    if (!device || device->logicalDpiX() <= 0 || device->logicalDpiY() <= 0) return true;

    painter.save();
    painter.scale(device->logicalDpiX() / kTenthsPerInch, device->logicalDpiY() / kTenthsPerInch);
    const auto& clip = layout_.clip;
    painter.setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top), Qt::IntersectClip);
    const QFont font = PrintFont(fontHeight_);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    painter.setPen(pen);

    for (std::size_t line = 0; line < layout_.header.size(); ++line) {
        const int top = layout_.LineY(static_cast<int>(line));
        DrawAt(painter, metrics, layout_.x0, top, Text(layout_.header[line].label), false);
        DrawAt(painter, metrics, layout_.x1, top, Text(layout_.header[line].value), false);
    }
    DrawAt(painter, metrics, layout_.pageNumberX, layout_.LineY(0), Text(PageLayout::PageNumberText(page)), true);

    const int headingTop = layout_.LineY(PageLayout::kHeadingLine);
    for (const auto& slot : layout_.columnSlots) {
        DrawAt(painter, metrics, slot.textX, headingTop, Text(slot.heading), slot.rightAligned);
    }
    painter.drawLine(QPoint(layout_.x0, layout_.ruleY), QPoint(layout_.ruleEndX, layout_.ruleY));

    bool read = true;
    for (int r = rows.first; r <= rows.last; ++r) {
        const std::optional<RowValues> values = store_.ReadRow(r);
        if (!values) {
            read = false;
            break;
        }
        const int top = layout_.LineY(PageLayout::kFirstRowLine + (r - rows.first));
        for (const auto& slot : layout_.columnSlots) {
            const auto field = static_cast<std::size_t>(slot.column);
            const FieldValue& value = field < values->size() ? (*values)[field] : FieldValue{};
            DrawAt(painter, metrics, slot.textX, top, Text(OutputCell(slot.column, value)), slot.rightAligned);
        }
    }
    painter.restore();
    return read;
}

bool PagePainter::PaintPages(QPainter& painter, QPagedPaintDevice& device, int from, int to) const {
    from = std::max(from, 1);
    to = std::min(to, PageCount());
    for (int page = from; page <= to; ++page) {
        if (page > from && !device.newPage()) return false;
        if (!PaintPage(painter, page)) return false;
    }
    return true;
}

}  // namespace zofar
