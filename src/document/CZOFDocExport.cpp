// The document's Export command: the rows of a record scope as a CSV file, gqrx bookmarks or an
// SDR++ frequency list.
#include <string>
#include <vector>

#include "base/Environment.h"
#include "export/ExportChecks.h"
#include "export/ExportFile.h"
#include "export/ExportRows.h"
#include "output/RecordRange.h"
#include "document/CZOFDoc.h"

namespace zofar {
namespace {

// The list's minute tick and the receiver's frequency reports must not requery the browse set
// while its rows are read; however the reading ends, they resume.
class RowsHeld {
public:
    RowsHeld(ListPort& list, bool& holdingRows) : list_(list), holdingRows_(holdingRows) {
        list_.SetLiveUpdates(false);
        holdingRows_ = true;
    }
    ~RowsHeld() {
        holdingRows_ = false;
        list_.SetLiveUpdates(true);
    }
    RowsHeld(const RowsHeld&) = delete;
    RowsHeld& operator=(const RowsHeld&) = delete;

private:
    ListPort& list_;
    bool& holdingRows_;
};

class WaitCursor {
public:
    explicit WaitCursor(UserPrompts& prompts) : prompts_(prompts) { prompts_.SetWaitCursor(true); }
    ~WaitCursor() { prompts_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UserPrompts& prompts_;
};

std::vector<bool> ChecksOf(const ColumnChoice& choice) {
    std::vector<bool> checks;
    for (int p : choice.offered) checks.push_back(choice.positions[static_cast<std::size_t>(p)].checked);
    return checks;
}

}  // namespace

void CZOFDoc::OnDatabaseExport() {
    // A filter that leaves no record still writes its file: a CSV header, an empty list.
    if (!store_.HasBrowseSet()) return;
    if (auto layout = list_.CaptureColumnLayout()) settings_.layout = *layout;
    ExportChoices choices = exportChoices_;
    choices.columns = BuildColumnChoice(settings_.layout, exportColumns_);
    choices.checks = ChecksOf(choices.columns);
    for (int f = 0; f < kExportFormatCount; ++f) {
        std::string& path = choices.paths[static_cast<std::size_t>(f)];
        if (path.empty())
            path = DefaultExportPath(static_cast<ExportFormat>(f), store_.DatabaseName(), SystemEnvironment());
    }
    const auto confirmed = exportDialogs_.RunExportDialog(choices);
    if (!confirmed) return;
    // The choices are kept even when the export stops below.
    exportChoices_ = *confirmed;
    StoreColumnChoice(confirmed->columns, confirmed->checks, exportColumns_);
    if (const auto problem = CheckExportChoices(*confirmed)) {
        prompts_.ShowMessage(problem->message);
        return;
    }
    ExportRecords(*confirmed);
}

void CZOFDoc::ExportRecords(const ExportChoices& choices) {
    std::optional<ExportTable> table;
    {
        WaitCursor busy(prompts_);
        RowsHeld held(list_, holdingRows_);
        const auto range = ResolveRecordRange(choices.scopeIndex + 1, list_.GetListRows(), store_.RecordCount());
        if (!range) {
            prompts_.ShowMessage(std::string(kNoRecordSelectedMessage));
            return;
        }
        const std::vector<int> columns = choices.format == ExportFormat::Csv
                                             ? CheckedColumns(choices.columns, choices.checks)
                                             : BookmarkColumnNumbers();
        table = ReadExportRows(store_, *range, columns);
    }
    if (!table) return;  // the store has shown the error
    const ExportOutcome outcome = WriteExportFile(*table, {choices.format, choices.Path(), choices.merge});
    if (outcome.written) {
        prompts_.ShowStatusMessage(outcome.message);
    } else {
        prompts_.ShowMessage(outcome.message);
    }
}

}  // namespace zofar
