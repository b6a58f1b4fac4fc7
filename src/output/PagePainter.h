#pragma once

#include <QFont>

#include "output/OutputDialogs.h"
#include "output/PageLayout.h"

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

namespace zofar {

class RecordStore;

/// Lays out and paints the printed pages of a print run on any paint device: a printer, the
/// preview, a PDF writer or an image. Drawing is in 0.1 mm, from the top-left corner of the
/// device's printable area, which is where a painter on the device starts.
class PagePainter {
public:
    /// The pages of `job` on a device whose printable area `printer` describes. The job's
    /// store must outlive the painter.
    PagePainter(const PrintJob& job, const PageInput::Printer& printer);

    const PageLayout& Layout() const { return layout_; }
    int PageCount() const { return layout_.pageCount; }

    /// Paints page 1..PageCount with `painter`, which is active on the device; the painter's
    /// state is as before afterwards. False when a row could not be read (the store has
    /// reported it); the page then ends there.
    bool PaintPage(QPainter& painter, int page) const;
    /// Paints the pages `from` to `to` (cut to 1..PageCount), a new device page between two.
    /// False when a row could not be read or the device refused a new page; nothing more is
    /// painted then.
    bool PaintPages(QPainter& painter, QPagedPaintDevice& device, int from, int to) const;

    /// What a paged device (printer, PDF writer) says of its printable area: its size, the
    /// page's size and the area's offset on the page, and the print font's average width.
    static PageInput::Printer PagedDeviceAnswers(const QPagedPaintDevice& device, int fontHeight);
    /// What any other device says: its size only, so the fallback margins apply.
    static PageInput::Printer DeviceAnswers(const QPaintDevice& device, int fontHeight);

    /// The print font: "Arial" of normal weight with a character height of the font height in
    /// points, as 0.1 mm pixels.
    static QFont PrintFont(int fontHeight);
    /// The print font's average character width in 0.1 mm, rounded.
    static int AverageCharWidth(int fontHeight);

private:
    const RecordStore& store_;
    int fontHeight_;
    PageLayout layout_;
};

}  // namespace zofar
