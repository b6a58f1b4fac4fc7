// The document's output commands: the clipboard export and printing.
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "output/ClipboardText.h"
#include "output/ColumnChoice.h"
#include "output/PrintDate.h"
#include "output/PrintOptionsChecks.h"
#include "output/RecordRange.h"
#include "document/CZOFDoc.h"
#include "selection/FilterDescription.h"

namespace zofar {
namespace {

// While the rows are walked or printed, the list's minute tick must not requery the browse
// set under them; however the walk ends, the tick resumes.
// The document's own flag keeps frequency reports of the receiver link from re-sorting them.
class LiveUpdatesPaused {
public:
    LiveUpdatesPaused(ListPort& list, bool& holdingRows) : list_(list), holdingRows_(holdingRows) {
        list_.SetLiveUpdates(false);
        holdingRows_ = true;
    }
    ~LiveUpdatesPaused() {
        holdingRows_ = false;
        list_.SetLiveUpdates(true);
    }
    LiveUpdatesPaused(const LiveUpdatesPaused&) = delete;
    LiveUpdatesPaused& operator=(const LiveUpdatesPaused&) = delete;

private:
    ListPort& list_;
    bool& holdingRows_;
};

class BusyCursor {
public:
    explicit BusyCursor(UserPrompts& prompts) : prompts_(prompts) { prompts_.SetWaitCursor(true); }
    ~BusyCursor() { prompts_.SetWaitCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    UserPrompts& prompts_;
};

// The busy cursor with a status text, which gives way to "Ready" at the end.
class BusyStatus {
public:
    BusyStatus(UserPrompts& prompts, const std::string& text) : prompts_(prompts), cursor_(prompts) {
        prompts_.ShowStatusMessage(text);
    }
    ~BusyStatus() { prompts_.ShowStatusMessage("Ready"); }
    BusyStatus(const BusyStatus&) = delete;
    BusyStatus& operator=(const BusyStatus&) = delete;

private:
    UserPrompts& prompts_;
    BusyCursor cursor_;
};

std::vector<bool> ChecksOf(const ColumnChoice& choice) {
    std::vector<bool> checks;
    for (int p : choice.offered) checks.push_back(choice.positions[static_cast<std::size_t>(p)].checked);
    return checks;
}

// A dialog reports the scope as its radio index; anything outside the three radios is the first.
int ScopeOfIndex(int index) { return index >= 0 && index <= 2 ? index + 1 : kScopeSelected; }

int Border(int mm) { return std::clamp(mm, kLowestBorder, kHighestBorder); }

}  // namespace

void CZOFDoc::CopyToClipboard() {
    if (!store_.HasBrowseSet() || store_.RecordCount() <= 0) return;
    if (auto layout = list_.CaptureColumnLayout()) ActiveLayout() = *layout;
    OutputOptions& out = settings_.output;
    ClipboardChoices choices;
    choices.scopeIndex = out.clipbRecordSel - 1;
    choices.useTabs = out.clipbUseTabs == 1;
    choices.columns = BuildColumnChoice(SavedLayout(), out.clipbColumns, store_.Columns());
    choices.checks = ChecksOf(choices.columns);
    const auto confirmed = outputDialogs_.RunClipboardDialog(choices);
    if (!confirmed) return;
    out.clipbUseTabs = confirmed->useTabs ? 1 : 0;
    out.clipbRecordSel = ScopeOfIndex(confirmed->scopeIndex);
    StoreColumnChoice(choices.columns, confirmed->checks, out.clipbColumns);
    ExportToClipboard();
}

void CZOFDoc::ExportToClipboard() {
    if (store_.RecordCount() <= 0) return;
    const OutputOptions& out = settings_.output;
    BusyStatus busy(prompts_, "Copying records to the clipboard");
    LiveUpdatesPaused paused(list_, holdingRows_);
    const auto range = ResolveRecordRange(out.clipbRecordSel, list_.GetListRows(), store_.RecordCount());
    if (!range) {
        prompts_.ShowMessage(std::string(kNoRecordSelectedMessage));
        return;
    }
    const ClipboardExport text =
        ExportClipboardText(store_, range->first, range->last, SavedLayout(), out.clipbColumns, out.clipbUseTabs == 1);
    switch (text.status) {
    case ClipboardExport::Status::Done:
        // An empty range leaves the clipboard as it was.
        if (text.lineCount > 0) outputDialogs_.PutOnClipboard(text.text);
        break;
    case ClipboardExport::Status::NoColumnSelected: prompts_.ShowMessage(std::string(kNoColumnSelectedMessage)); break;
    case ClipboardExport::Status::ReadFailed: break;  // the store has shown the error
    }
}

void CZOFDoc::PrintCommand() {
    while (PrintOnce()) {}
}

bool CZOFDoc::PrintOnce() {
    if (!store_.HasBrowseSet() || store_.RecordCount() <= 0) return false;
    if (auto layout = list_.CaptureColumnLayout()) ActiveLayout() = *layout;
    OutputOptions& out = settings_.output;
    PrintChoices choices;
    choices.scopeIndex = out.printRecordSel - 1;
    choices.borderTop = out.printBorderTop;
    choices.borderBottom = out.printBorderBottom;
    choices.borderLeft = out.printBorderLeft;
    choices.borderRight = out.printBorderRight;
    choices.fontHeight = out.printFontHeight;
    choices.columns = BuildColumnChoice(SavedLayout(), out.printColumns, store_.Columns());
    choices.checks = ChecksOf(choices.columns);
    const auto request = outputDialogs_.RunPrintDialog(choices);
    if (!request) return false;

    // The choices are kept even when the run stops below.
    const PrintChoices& chosen = request->choices;
    out.printBorderTop = Border(chosen.borderTop);
    out.printBorderBottom = Border(chosen.borderBottom);
    out.printBorderLeft = Border(chosen.borderLeft);
    out.printBorderRight = Border(chosen.borderRight);
    out.printFontHeight = std::clamp(chosen.fontHeight, kLowestFontHeight, kHighestFontHeight);
    out.printRecordSel = ScopeOfIndex(chosen.scopeIndex);
    StoreColumnChoice(choices.columns, chosen.checks, out.printColumns);

    PrintJob job{PageInput{}, store_, settings_.previewPages};
    PageInput& page = job.page;
    page.printDate = FormatPrintDate(clock_.NowUtc());
    LiveUpdatesPaused paused(list_, holdingRows_);
    const auto range = ResolveRecordRange(out.printRecordSel, list_.GetListRows(), store_.RecordCount());
    if (!range) {
        prompts_.ShowMessage(std::string(kNoRecordSelectedMessage));
        return false;
    }
    page.range = *range;
    page.borderTop = out.printBorderTop;
    page.borderBottom = out.printBorderBottom;
    page.borderLeft = out.printBorderLeft;
    page.borderRight = out.printBorderRight;
    page.fontHeight = out.printFontHeight;
    page.layout = SavedLayout();
    page.columns = out.printColumns;
    page.databaseColumns = store_.Columns();
    page.databaseName = store_.DatabaseName();
    page.filter = DescribeFilter(settings_.criteria, settings_.bFilter, store_.Columns().extension);
    page.sortKey = settings_.sort;

    PrintRunResult result;
    {
        BusyCursor busy(prompts_);
        result = outputDialogs_.RunPrintJob(request->action, job);
    }
    settings_.previewPages = result.previewPages;
    return request->action == PrintAction::Preview && result.reopenDialog;
}

}  // namespace zofar
