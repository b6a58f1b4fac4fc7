#include "cli/PdfConsoleUi.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <string_view>

#include "base/AtomicFile.h"
#include "output/PagePainter.h"

namespace zofar {

PrintRunResult PdfConsoleUi::RunPrintJob(PrintAction, const PrintJob& job) {
    const PrintRunResult done{false, job.previewPages};
    QByteArray bytes;
    int pages = 0;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ZOFAR"));
        writer.setTitle(QString::fromStdString(job.page.databaseName));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        const PagePainter painter(job, PagePainter::PagedDeviceAnswers(writer, job.page.fontHeight));
        QPainter device;
        if (!device.begin(&writer)) {
            ShowMessage("Could not start print job.");
            return done;
        }
        // A row that cannot be read has been reported; no half-printed file is written.
        const bool painted = painter.PaintPages(device, writer, 1, painter.PageCount());
        device.end();
        if (!painted) return done;
        pages = painter.PageCount();
    }
    if (!WriteFileAtomically(pdfPath_, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        ShowMessage("The file " + pdfPath_ + " could not be written.\nPlease check the folder and its permissions.");
        return done;
    }
    pagesWritten = pages;
    return done;
}

}  // namespace zofar
