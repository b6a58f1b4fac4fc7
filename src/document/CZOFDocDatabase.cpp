// The document's commands of the Database menu: Open, Close, Create and Delete.
#include "document/CZOFDoc.h"
#include "store/DatabaseBuildFile.h"

#include "import/SourceKinds.h"

namespace zofar {

bool CZOFDoc::OpenDatabase(const std::string& name) {
    const bool ok = OpenBrowseSet(name);
    // A database whose table holds no rows is still open: it shows its name and its (empty) list.
    if (ok || store_.IsOpen()) {
        prompts_.SetMainTitle(store_.DatabaseName());
        EndBusy();
        SendDatabaseChanged();
        SetCurrentPosition(0);
        UpdateViews(kHintShowCurrent);
        NoteNewerSeason();
        return true;
    }
    EndBusy();
    return false;
}

void CZOFDoc::OnDatabaseOpen() {
    auto chosen = databaseDialogs_.RunSelectDatabaseDialog("ZOFAR  Open a Database", folder_.Names(), DatabaseName());
    if (!chosen) return;
    if (IsOpen()) OnDatabaseClose();
    prompts_.SetWaitCursor(true);
    prompts_.ShowStatusMessage("Opening the database");
    settings_.sort = "FREQ";
    settings_.sortDescending = false;
    settings_.bFilter = 1;
    settings_.criteria.ClearCriterionFlags();
    OpenDatabase(*chosen);
}

void CZOFDoc::OnDatabaseClose() {
    if (!IsOpen()) return;
    prompts_.SetWaitCursor(true);
    prompts_.ShowStatusMessage("Closing the database");
    store_.CloseStore();
    prompts_.SetMainTitle("");
    EndBusy();
    SendDatabaseChanged();
}

void CZOFDoc::OnDatabaseCreate() {
    if (IsOpen()) return;
    if (auto request = databaseDialogs_.RunCreateDatabaseDialog(folder_.Path())) CreateDatabase(*request);
}

bool CZOFDoc::CreateDatabase(const CreateDatabaseRequest& request) {
    if (IsOpen()) return false;
    prompts_.SetWaitCursor(true);
    prompts_.ShowStatusMessage("Creating a new database");

    // The new database is built under a temporary name and replaces an old one only once the
    // import has succeeded, so a failed or cancelled create never loses the old database. The
    // build file goes with everything beside it on every way out but the install.
    const std::string name = request.name;
    bool imported = false;
    std::optional<std::string> summary;
    {
        DatabaseBuildFile build(folder_, name);
        if (!build.Ok()) {
            ReportStoreError(build.Error());
            EndBusy();
            return false;
        }
        // A schedule that says when each entry is valid keeps that in the extension columns.
        if (!store_.CreateDatabaseFile(build.Path(), name, SourceKindOf(request.sourceKind).extensionColumns)) {
            EndBusy();
            return false;
        }
        if (store_.BeginImport()) summary = ImportList(request);
        imported = summary && store_.CommitImport();
        // The engine lets go of the file before its lock does.
        store_.CloseStore();
        imported = imported && build.Install(request.replace);
    }
    if (!imported) {
        EndBusy();
        prompts_.ShowMessage("Error creating a new database!");
        return false;
    }
    settings_.sort = "FREQ";
    settings_.criteria.ClearCriterionFlags();
    if (!OpenDatabase(name)) return false;
    // The counts follow "Ready", so the message pane keeps them until the next status text.
    if (!summary->empty()) prompts_.ShowStatusMessage(*summary);
    return true;
}

void CZOFDoc::OnDatabaseDelete() {
    if (IsOpen()) return;
    while (true) {
        auto chosen = databaseDialogs_.RunSelectDatabaseDialog("ZOFAR  Delete a Database", folder_.Names(), "");
        if (!chosen) return;
        if (!prompts_.AskYesNoDefaultNo("Do you really want to delete the database \"" + *chosen + "\" ?")) return;
        prompts_.SetWaitCursor(true);
        prompts_.ShowStatusMessage("Deleting the database");
        folder_.Remove(*chosen);
        EndBusy();
    }
}

}  // namespace zofar
