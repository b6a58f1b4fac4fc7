#include "output/PrintRunner.h"

#include <QApplication>
#include <QCursor>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>
#include <vector>

#include "widgets/ZofarMessageBox.h"
#include "output/PageFit.h"
#include "output/PagePainter.h"

namespace zofar {
namespace {

constexpr const char* kCannotStartMessage = "Could not start print job.";

// The busy cursor stands for the work, not for the dialogs the user answers in between: while
// one of them is open the cursor is the normal one, and the busy cursors come back afterwards.
class NormalCursor {
public:
    NormalCursor() {
        while (const QCursor* cursor = QApplication::overrideCursor()) {
            cursors_.push_back(*cursor);
            QApplication::restoreOverrideCursor();
        }
    }
    ~NormalCursor() {
        for (auto it = cursors_.rbegin(); it != cursors_.rend(); ++it) QApplication::setOverrideCursor(*it);
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    std::vector<QCursor> cursors_;
};

struct PageSpan {
    int from = 1;
    int to = 0;
};

// The pages the print dialog asked for, within the pages there are.
PageSpan ChosenPages(const QPrinter& printer, int pageCount) {
    PageSpan span{1, pageCount};
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        span.from = std::max(1, printer.fromPage());
        span.to = std::min(pageCount, std::max(printer.toPage(), span.from));
    }
    return span;
}

}  // namespace

QString PreviewTitle(const PageLayout& layout) {
    // The pages would not show what is missing from them: the title says it, for the paper in use.
    const std::string beyond = ColumnsBeyondPageText(ColumnsBeyondPage(layout));
    QString title = QStringLiteral("ZOFAR  Print Preview");
    if (!beyond.empty()) title += QStringLiteral("  (") + QString::fromStdString(beyond) + QStringLiteral(")");
    return title;
}

namespace {

void ShowCannotStart(QWidget* parent) {
    NormalCursor normal;
    ZofarMessageBox::Show(parent, kCannotStartMessage);
}

}  // namespace

PrintRunner::PrintRunner() = default;

PrintRunner::~PrintRunner() = default;

QPrinter& PrintRunner::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void PrintRunner::Setup(QWidget* parent) {
    // Asking the printer for its papers may take a moment.
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    QPageSetupDialog dialog(&Printer(), parent);
    QApplication::restoreOverrideCursor();
    NormalCursor normal;
    dialog.exec();
}

PrintRunResult PrintRunner::Run(QWidget* parent, PrintAction action, const PrintJob& job) {
    return action == PrintAction::Preview ? Preview(parent, job) : Print(parent, job);
}

PrintRunResult PrintRunner::Print(QWidget* parent, const PrintJob& job) {
    const PrintRunResult unchanged{false, job.previewPages};
    QPrinter& printer = Printer();
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(
        1, std::max(1, PagePainter(job, PagePainter::PagedDeviceAnswers(printer, job.page.fontHeight)).PageCount()));
    {
        NormalCursor normal;
        if (dialog.exec() != QDialog::Accepted) return unchanged;
    }
    // The user may have chosen another printer or paper: the pages follow it.
    const PagePainter pages(job, PagePainter::PagedDeviceAnswers(printer, job.page.fontHeight));
    const PageSpan span = ChosenPages(printer, pages.PageCount());
    printer.setPrintRange(QPrinter::AllPages);
    if (span.to < span.from) return unchanged;

    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowCannotStart(parent);
        return unchanged;
    }
    QProgressDialog progress(QStringLiteral("Printing"), QStringLiteral("Cancel"), 0, span.to - span.from + 1, parent);
    progress.setWindowTitle(QStringLiteral("Printing"));
    progress.setWindowModality(Qt::WindowModal);
    for (int page = span.from; page <= span.to; ++page) {
        const bool go = !progress.wasCanceled() && (page == span.from || printer.newPage());
        if (!go || !pages.PaintPage(painter, page)) {
            printer.abort();
            break;
        }
        progress.setValue(page - span.from + 1);
    }
    if (painter.isActive()) painter.end();
    return unchanged;
}

PrintRunResult PrintRunner::Preview(QWidget* parent, const PrintJob& job) {
    QPrinter& printer = Printer();
    printer.setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog preview(&printer, parent);
    // The preview paints into its own pictures; its Print button paints on the printer after
    // the print dialog, with the pages chosen there.
    QPrintPreviewDialog* shown = &preview;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&job, parent, shown](QPrinter* target) {
        const PagePainter pages(job, PagePainter::PagedDeviceAnswers(*target, job.page.fontHeight));
        shown->setWindowTitle(PreviewTitle(pages.Layout()));
        const PageSpan span = ChosenPages(*target, pages.PageCount());
        QPainter painter;
        if (!painter.begin(target)) {
            ShowCannotStart(parent);
            return;
        }
        pages.PaintPages(painter, *target, span.from, span.to);
        painter.end();
    });

    auto* widget = preview.findChild<QPrintPreviewWidget*>();
    if (widget && job.previewPages == 2) widget->setViewMode(QPrintPreviewWidget::FacingPagesView);
    const auto openedIn = widget ? widget->viewMode() : QPrintPreviewWidget::SinglePageView;
    int result = QDialog::Rejected;
    {
        NormalCursor normal;
        result = preview.exec();
    }
    printer.setPrintRange(QPrinter::AllPages);

    PrintRunResult end{result != QDialog::Accepted, job.previewPages};
    // Only a view the user chose is remembered: one page or two side by side.
    if (widget && widget->viewMode() != openedIn) {
        if (widget->viewMode() == QPrintPreviewWidget::SinglePageView) end.previewPages = 1;
        if (widget->viewMode() == QPrintPreviewWidget::FacingPagesView) end.previewPages = 2;
    }
    return end;
}

}  // namespace zofar
