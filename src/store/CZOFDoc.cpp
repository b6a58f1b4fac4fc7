#include "store/CZOFDoc.h"

#include <algorithm>
#include <filesystem>

#include "app/SettingsFile.h"
#include "import/IlgTextImporter.h"
#include "selection/ConditionBuilder.h"
#include "selection/SortOrder.h"
#include "store/CreateDatabaseChecks.h"

namespace zofar {

namespace {

constexpr const char* kReady = "Ready";

bool IsSortKey(const std::string& key) {
    for (const auto& command : SortOrder::Commands()) {
        if (command.key == key) return true;
    }
    return false;
}

}  // namespace

CZOFDoc::CZOFDoc(DocumentUi& ui, const Clock& clock, DocumentPaths paths)
    : ui_(ui), clock_(clock), paths_(std::move(paths)), store_(*this) {
    settings_.sort = "FREQ";
}

CZOFDoc::~CZOFDoc() = default;

bool CZOFDoc::OnNewDocument() {
    LoadSettingsFile(paths_.settingsFile, settings_);
    // A hand-edited name that is not a plain file name would reach outside the database folder.
    if (!IsPlainDatabaseName(settings_.database)) settings_.database.clear();
    if (!settings_.database.empty()) {
        // A settings file edited by hand may name a database without a usable sort key; the
        // query needs one of the sort columns, so the list then starts in frequency order.
        if (!IsSortKey(settings_.sort)) settings_.sort = "FREQ";
        store_.OpenBrowseSet(ExistingDatabasePath(settings_.database), settings_.database, BuildSelectText(),
                             BuildSortText(settings_.sort), BuildFilterCondition());
        ui_.UpdateViews(kHintDatabaseChanged);
        store_.SetCurrentPosition(0);
        ui_.UpdateViews(kHintShowCurrent);
    }
    return true;
}

void CZOFDoc::OnCloseDocument() {
    store_.CloseStore();
    ui_.UpdateViews(kHintDatabaseChanged);
}

bool CZOFDoc::SaveSettings() {
    settings_.database = store_.DatabaseName();
    return SaveSettingsFile(paths_.settingsFile, settings_);
}

std::string CZOFDoc::BuildFilterCondition() const {
    return ConditionBuilder::BuildFilterCondition(settings_.criteria, settings_.bFilter, clock_.NowUtc());
}

std::string CZOFDoc::DatabasePath(const std::string& name) const { return paths_.databaseFolder + name + ".mdb"; }

std::string CZOFDoc::ExistingDatabasePath(const std::string& name) const {
    // The lists show the title of every "*.mdb" in any letter case; open the file that was listed.
    std::error_code ec;
    const std::string path = DatabasePath(name);
    if (std::filesystem::exists(path, ec)) return path;
    for (const auto& file : ListDatabaseFiles(paths_.databaseFolder)) {
        if (file.title == name) return paths_.databaseFolder + file.fileName;
    }
    return path;
}

bool CZOFDoc::OpenCurrentDatabase(const std::string& name) {
    const bool ok = store_.OpenBrowseSet(ExistingDatabasePath(name), name, BuildSelectText(), BuildSortText(settings_.sort),
                                         BuildFilterCondition());
    // A database whose table holds no rows is still open: it shows its name and its (empty) list.
    if (ok || store_.IsOpen()) {
        ui_.SetMainTitle(store_.DatabaseName());
        ui_.SetWaitCursor(false);
        ui_.ShowStatusMessage(kReady);
        ui_.UpdateViews(kHintDatabaseChanged);
        store_.SetCurrentPosition(0);
        ui_.UpdateViews(kHintShowCurrent);
        return true;
    }
    ui_.SetWaitCursor(false);
    ui_.ShowStatusMessage(kReady);
    return false;
}

void CZOFDoc::OnDatabaseOpen() {
    auto chosen = ui_.RunSelectDatabaseDialog("ZOFAR  Open a Database", ListDatabaseNames(paths_.databaseFolder));
    if (!chosen) return;
    if (IsOpen()) OnDatabaseClose();
    ui_.SetWaitCursor(true);
    ui_.ShowStatusMessage("Opening the database");
    settings_.sort = "FREQ";
    settings_.bFilter = 1;
    settings_.criteria.ClearCriterionFlags();
    OpenCurrentDatabase(*chosen);
}

void CZOFDoc::OnDatabaseClose() {
    if (!IsOpen()) return;
    ui_.SetWaitCursor(true);
    ui_.ShowStatusMessage("Closing the database");
    store_.CloseStore();
    ui_.SetMainTitle("");
    ui_.SetWaitCursor(false);
    ui_.ShowStatusMessage(kReady);
    ui_.UpdateViews(kHintDatabaseChanged);
}

void CZOFDoc::OnDatabaseCreate() {
    if (IsOpen()) return;
    auto request = ui_.RunCreateDatabaseDialog(paths_.databaseFolder);
    if (!request) return;
    if (request->sourceKind == 1) {
        ui_.ShowMessage("Creating a database from a dBASE table is not available in this version.\n"
                        "Please choose an ILG TEXT file.");
        return;
    }
    ui_.SetWaitCursor(true);
    ui_.ShowStatusMessage("Creating a new database");

    // The new database is built under a temporary name and replaces an old one only once the
    // import has succeeded, so a failed or cancelled create never loses the old database.
    const std::string name = request->name;
    const std::string finalPath = DatabasePath(name);
    const std::string buildPath = paths_.databaseFolder + "." + name + ".mdb.new";
    std::error_code ec;
    std::filesystem::remove(buildPath, ec);

    if (!store_.CreateDatabaseFile(buildPath, name)) {
        ui_.SetWaitCursor(false);
        ui_.ShowStatusMessage(kReady);
        return;
    }
    bool imported = store_.BeginImport() &&
                    ImportIlgText(request->sourceFolder, request->sourceFileName, store_, ui_) && store_.CommitImport();
    store_.CloseStore();
    if (imported && std::filesystem::exists(finalPath, ec) && !request->replace) {
        // Someone made a database of this name while the import ran; never overwrite it unasked.
        imported = false;
    }
    if (imported) {
        std::filesystem::rename(buildPath, finalPath, ec);
        imported = !ec;
        // The old database of the same name in another letter case goes only once the new one
        // is in place.
        if (imported && request->replace) {
            for (const auto& file : ListDatabaseFiles(paths_.databaseFolder)) {
                if (SameDatabaseName(file.title, name) && file.fileName != name + ".mdb") {
                    std::filesystem::remove(paths_.databaseFolder + file.fileName, ec);
                }
            }
        }
    }
    if (!imported) {
        ui_.SetWaitCursor(false);
        ui_.ShowStatusMessage(kReady);
        ui_.ShowMessage("Error creating a new database!");
        std::filesystem::remove(buildPath, ec);
        return;
    }
    settings_.sort = "FREQ";
    settings_.criteria.ClearCriterionFlags();
    OpenCurrentDatabase(name);
}

void CZOFDoc::OnDatabaseDelete() {
    if (IsOpen()) return;
    while (true) {
        const auto databases = ListDatabaseFiles(paths_.databaseFolder);
        std::vector<std::string> titles;
        for (const auto& file : databases) titles.push_back(file.title);
        auto chosen = ui_.RunSelectDatabaseDialog("ZOFAR  Delete a Database", titles);
        if (!chosen) return;
        if (!ui_.AskYesNo("Do you really want to delete the database \"" + *chosen + "\" ?")) return;
        ui_.SetWaitCursor(true);
        ui_.ShowStatusMessage("Deleting the database");
        auto it = std::find_if(databases.begin(), databases.end(),
                               [&chosen](const DatabaseFile& file) { return file.title == *chosen; });
        std::error_code ec;
        std::filesystem::remove(paths_.databaseFolder + (it != databases.end() ? it->fileName : *chosen + ".mdb"), ec);
        ui_.SetWaitCursor(false);
        ui_.ShowStatusMessage(kReady);
    }
}

void CZOFDoc::SortBy(const std::string& key) {
    if (!IsOpen()) return;
    if (settings_.sort == key) return;
    // The anchor is taken from the rows as they are shown in the old order; changing the key
    // alone does not move them.
    settings_.sort = key;
    RequeryCycle();
}

void CZOFDoc::RequeryCycle() {
    if (!store_.HasBrowseSet()) return;
    const int anchor = store_.CurrentRecordId(ui_.GetListRows(), settings_.criteria.OnAirNowActive());
    ui_.SetWaitCursor(true);
    ui_.ShowStatusMessage("Sorting and filtering records");
    store_.RequeryBrowseSet(BuildSortText(settings_.sort), BuildFilterCondition());
    ui_.SetWaitCursor(false);
    ui_.ShowStatusMessage(kReady);
    ui_.UpdateViews(kHintRequeried);
    if (anchor < 0) {
        store_.SetCurrentPosition(-1);
    } else {
        store_.FindById(anchor);
    }
    ui_.UpdateViews(kHintShowCurrent);
}

void CZOFDoc::SetFilter() {
    auto accepted = ui_.RunFilterDialog(settings_.criteria);
    if (!accepted) return;
    settings_.criteria = *accepted;
    if (FilterIsOn() && IsOpen()) RequeryCycle();
}

void CZOFDoc::ToggleFilter() {
    settings_.bFilter = FilterIsOn() ? 0 : 1;
    if (ConditionBuilder::BuildFilterCondition(settings_.criteria, 1, clock_.NowUtc()).empty()) return;
    if (IsOpen()) RequeryCycle();
}

void CZOFDoc::ReportStoreError(const std::string& description) { ui_.ShowStoreError(description); }

}  // namespace zofar
