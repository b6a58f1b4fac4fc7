#pragma once

#include <QString>

#include <memory>

#include "output/OutputDialogs.h"
#include "output/PageLayout.h"

class QPrinter;
class QWidget;

namespace zofar {

/// "ZOFAR  Print Preview", followed by the columns that do not fit the pages of `layout`.
QString PreviewTitle(const PageLayout& layout);

/// Runs print jobs and previews on Qt's print framework, with one printer that the printer
/// setup chooses for every later run.
class PrintRunner {
public:
    PrintRunner();
    ~PrintRunner();
    PrintRunner(const PrintRunner&) = delete;
    PrintRunner& operator=(const PrintRunner&) = delete;

    /// The printer setup dialog (paper and orientation) over `parent`; what it sets is kept.
    void Setup(QWidget* parent);

    /// Printing: the platform's print dialog offering pages 1 to the page count, then the job
    /// with a progress window that can cancel it. Preview: the preview window; when it is
    /// closed without printing from it the result asks for the print dialog again.
    PrintRunResult Run(QWidget* parent, PrintAction action, const PrintJob& job);

    /// The printer every run uses; made when first needed.
    QPrinter& Printer();

private:
    PrintRunResult Print(QWidget* parent, const PrintJob& job);
    PrintRunResult Preview(QWidget* parent, const PrintJob& job);

    std::unique_ptr<QPrinter> printer_;
};

}  // namespace zofar
