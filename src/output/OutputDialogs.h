#pragma once

#include <optional>
#include <string>
#include <vector>

#include "output/ColumnChoice.h"
#include "output/PageLayout.h"

namespace zofar {

class RecordStore;

/// What the clipboard dialog shows and, on OK, hands back.
struct ClipboardChoices {
    int scopeIndex = 0;  ///< the record scope minus 1: 0 selected record, 1 on the screen, 2 all
    bool useTabs = false;
    ColumnChoice columns;      ///< the offered columns in display order, with their names
    std::vector<bool> checks;  ///< one check state per offered line, in the check list's order
};

/// What the print dialog shows and, on Print or Preview, hands back.
struct PrintChoices {
    int scopeIndex = 0;  ///< the record scope minus 1
    int borderTop = 15;  ///< mm from the paper's edge
    int borderBottom = 15;
    int borderLeft = 20;
    int borderRight = 15;
    int fontHeight = 8;  ///< points
    ColumnChoice columns;
    std::vector<bool> checks;
};

/// The button that ended the print dialog.
enum class PrintAction { Print, Preview };

struct PrintRequest {
    PrintAction action = PrintAction::Print;
    PrintChoices choices;
};

/// One print run: the page input without the printer's answers, which the screen fills in for
/// the printer in use, and the store whose rows are printed (read by position, so the list's
/// cursor stays where it is).
struct PrintJob {
    PageInput page;
    const RecordStore& store;
    int previewPages = 0;  ///< pages the preview shows side by side; 0 when never chosen
};

/// How a print run ended.
struct PrintRunResult {
    /// The preview was closed without printing from it: the print dialog comes back.
    bool reopenDialog = false;
    int previewPages = 0;  ///< what the preview showed last; 0 when never chosen
};

/// The output subsystem's part of the screen: the clipboard and print dialogs, the clipboard
/// itself, and the print and preview runs. The defaults answer Cancel and print nothing.
class OutputDialogs {
public:
    virtual ~OutputDialogs() = default;

    /// The clipboard dialog filled with `choices`; the confirmed choices, nothing on Cancel.
    virtual std::optional<ClipboardChoices> RunClipboardDialog(const ClipboardChoices& /*choices*/) {
        return std::nullopt;
    }
    /// Replaces the clipboard's content with `text` (UTF-8). A failure is not reported.
    virtual void PutOnClipboard(const std::string& /*text*/) {}
    /// The print dialog filled with `choices`; its button and values, nothing on Cancel. The
    /// dialog's Setup button chooses the printer that later runs use.
    virtual std::optional<PrintRequest> RunPrintDialog(const PrintChoices& /*choices*/) { return std::nullopt; }
    /// Prints the pages of `job` (after the platform's print dialog) or shows them in a preview.
    virtual PrintRunResult RunPrintJob(PrintAction /*action*/, const PrintJob& job) {
        return {false, job.previewPages};
    }
};

}  // namespace zofar
