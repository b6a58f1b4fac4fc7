#include "store/CZOFDoc.h"

#include "app/SettingsFile.h"
#include "selection/ConditionBuilder.h"
#include "store/KeyColumns.h"

namespace zofar {

CZOFDoc::CZOFDoc(DocumentScreen screen, const Clock& clock, DocumentPaths paths)
    : prompts_(screen.prompts),
      importUi_(screen.import),
      list_(screen.list),
      databaseDialogs_(screen.databaseDialogs),
      selectionDialogs_(screen.selectionDialogs),
      receiverLink_(screen.receiverLink),
      receiverDialogs_(screen.receiverDialogs),
      outputDialogs_(screen.outputDialogs),
      fetchDialogs_(screen.fetchDialogs),
      clock_(clock),
      paths_(std::move(paths)),
      folder_(paths_.databaseFolder),
      store_(*this) {
    settings_.sort = "FREQ";
    LoadPredefinedFilters();
}

CZOFDoc::~CZOFDoc() { SavePredefinedFilters(); }

bool CZOFDoc::OnNewDocument() {
    LoadSettings();
    if (!settings_.database.empty()) ReopenDatabase(settings_.database);
    return true;
}

void CZOFDoc::LoadSettings() {
    LoadSettingsFile(paths_.settingsFile, settings_);
    // A hand-edited name that is not a plain file name would reach outside the database folder.
    if (!IsPlainDatabaseName(settings_.database)) settings_.database.clear();
}

bool CZOFDoc::ReopenDatabase(const std::string& name) {
    // A settings file edited by hand may name a database without a usable sort key; the query
    // needs one of the sort columns, so the list then starts in frequency order.
    if (!IsKeyColumn(settings_.sort)) settings_.sort = "FREQ";
    store_.OpenBrowseSet(folder_.ExistingPathOf(name), name, BuildSelectText(), BuildSortText(settings_.sort),
                         BuildFilterCondition());
    SendDatabaseChanged();
    store_.SetCurrentPosition(0);
    list_.UpdateViews(kHintShowCurrent);
    return store_.IsOpen();
}

bool CZOFDoc::Quit() {
    if (!prompts_.AskYesNo("Do you really want to quit?")) return false;
    if (IsOpen()) {
        if (auto layout = list_.CaptureColumnLayout()) settings_.layout = *layout;
    }
    if (!SaveSettings()) {
        // Quitting goes on (there is no way back from the question), but the user learns that
        // this run's changes are not kept.
        prompts_.ShowMessage("The settings could not be written to " + paths_.settingsFile +
                             ".\nThe changes of this session are not kept; please check the folder's permissions.");
    }
    return true;
}

void CZOFDoc::OnCloseDocument() {
    store_.CloseStore();
    SendDatabaseChanged();
}

bool CZOFDoc::SaveSettings() {
    settings_.database = store_.DatabaseName();
    return SaveSettingsFile(paths_.settingsFile, settings_);
}

std::string CZOFDoc::BuildFilterCondition() const {
    return ConditionBuilder::BuildFilterCondition(settings_.criteria, settings_.bFilter, clock_.NowUtc());
}

void CZOFDoc::SendDatabaseChanged() {
    if (!store_.HasBrowseSet()) {
        if (auto layout = list_.CaptureColumnLayout()) settings_.layout = *layout;
        settings_.sort.clear();
        settings_.criteria.ClearCriterionFlags();
    }
    list_.UpdateViews(kHintDatabaseChanged);
}

void CZOFDoc::EndBusy() {
    prompts_.SetWaitCursor(false);
    prompts_.ShowStatusMessage("Ready");
}

void CZOFDoc::ReportStoreError(const std::string& description) { prompts_.ShowStoreError(description); }

}  // namespace zofar
