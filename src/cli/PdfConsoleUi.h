#pragma once

#include <string>
#include <utility>

#include "cli/ConsoleUi.h"

namespace zofar {

/// The command line's screen with a printer that writes the pages as one PDF file: A4
/// portrait, the whole sheet printable, so the borders are measured from the paper's edge.
class PdfConsoleUi : public ConsoleUi {
public:
    /// Needs a QGuiApplication while it prints.
    explicit PdfConsoleUi(std::string pdfPath) : pdfPath_(std::move(pdfPath)) {}

    /// Writes every page of `job` to the PDF file, replacing it whole or leaving it as it was;
    /// a preview is printed the same way.
    PrintRunResult RunPrintJob(PrintAction action, const PrintJob& job) override;

    /// The pages written so far; 0 until a file was written.
    int pagesWritten = 0;

private:
    std::string pdfPath_;
};

}  // namespace zofar
