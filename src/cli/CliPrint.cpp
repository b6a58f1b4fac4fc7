#include "cli/CliPrint.h"

#include <QGuiApplication>

#include <cstdio>

#include "cli/PdfConsoleUi.h"
#include "output/OutputOptions.h"

namespace zofar::cli {

int RunPrint(const CommonOptions& options, const std::string& pdfPath, const std::string& name) {
    // The pages are painted with the toolkit's fonts; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char program[] = "zofar-cli";
    char* argv[] = {program, nullptr};
    QGuiApplication app(argc, argv);

    PdfConsoleUi ui(pdfPath);
    ui.outputScope = kScopeAll;
    const int status = RunDocumentCommand(options, name, ui, CommandId::Print);
    if (status != 0) return status;
    if (ui.pagesWritten == 0) {
        std::fprintf(stderr, "zofar-cli: %s holds no records to print; no file was written\n", name.c_str());
        return 1;
    }
    return 0;
}

}  // namespace zofar::cli
