#include "document/CZOFDoc.h"

#include <algorithm>

#include "document/SettingsFile.h"
#include "geo/LocationSettings.h"
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
      exportDialogs_(screen.exportDialogs),
      fetchDialogs_(screen.fetchDialogs),
      clock_(clock),
      paths_(std::move(paths)),
      folder_(paths_.databaseFolder),
      store_(*this) {
    settings_.sort = "FREQ";
    store_.SetComputedFunctions(&computed_);
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
    location_ = LoadLocationFile(paths_.settingsFile);
    computed_.SetLocation(location_.location);
    // A hand-edited name that is not a plain file name would reach outside the database folder.
    if (!IsPlainDatabaseName(settings_.database)) settings_.database.clear();
}

bool CZOFDoc::ReopenDatabase(const std::string& name) {
    // A settings file edited by hand may name a database without a usable sort key, and an extra
    // field's key may name a field this database lacks; the query needs a column it has, so the
    // list then starts in frequency order.
    if (!IsKeyColumn(settings_.sort) && !IsExtraSortKey(settings_.sort)) settings_.sort = "FREQ";
    OpenBrowseSet(name);
    SendDatabaseChanged();
    SetCurrentPosition(0);
    UpdateViews(kHintShowCurrent);
    return store_.IsOpen();
}

bool CZOFDoc::IsExtraSortKey(const std::string& key) {
    const std::optional<int> field = FieldNumber(key);
    return field && *field >= kFirstExtensionField && *field < kAllFieldCount;
}

bool CZOFDoc::IsSortKeyOf(const std::string& key, ColumnSet columns) {
    if (IsKeyColumn(key)) return true;
    return IsExtraSortKey(key) && columns.Has(*FieldNumber(key));
}

bool CZOFDoc::Quit() {
    if (!prompts_.AskYesNo("Do you really want to quit?")) return false;
    if (IsOpen()) {
        if (auto layout = list_.CaptureColumnLayout()) ActiveLayout() = *layout;
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

std::string CZOFDoc::BuildFilterCondition() const { return BuildFilterCondition(store_.Columns().extension); }

std::string CZOFDoc::BuildFilterCondition(bool dated) const {
    return ConditionBuilder::BuildFilterCondition(settings_.criteria, settings_.bFilter, clock_.NowUtc(), dated);
}

bool CZOFDoc::OpenBrowseSet(const std::string& name) {
    const auto sortText = [this](ColumnSet columns) {
        if (!IsSortKeyOf(settings_.sort, columns)) settings_.sort = "FREQ";
        return BuildSortText(settings_.sort, settings_.sortDescending);
    };
    const std::string path = folder_.ExistingPathOf(name);
    const bool opened = store_.OpenBrowseSet(path, name, BuildSelectText(), sortText,
                                             [this](ColumnSet columns) { return BuildFilterCondition(columns.extension); });
    databaseFile_.Watch(path);
    ChooseLayout();
    return opened;
}

void CZOFDoc::CheckDatabaseFile() {
    // The open connection keeps working on the vanished file; the user only needs to know once.
    if (store_.IsOpen() && databaseFile_.NewlyLost())
        prompts_.ShowStatusMessage(DatabaseFileLostText(databaseFile_.FileName()));
}

void CZOFDoc::SendDatabaseChanged() {
    if (!store_.HasBrowseSet()) {
        if (auto layout = list_.CaptureColumnLayout()) ActiveLayout() = *layout;
        layoutDatabase_.clear();
        settings_.sort.clear();
        settings_.sortDescending = false;
        settings_.criteria.ClearCriterionFlags();
    }
    UpdateViews(kHintDatabaseChanged);
}

void CZOFDoc::AddView(DocumentView& view) {
    if (std::find(views_.begin(), views_.end(), &view) == views_.end()) views_.push_back(&view);
}

void CZOFDoc::RemoveView(DocumentView& view) { std::erase(views_, &view); }

void CZOFDoc::UpdateViews(ViewHint hint) {
    list_.UpdateViews(hint);
    switch (hint) {
    case kHintRepaint: NotifyViews(DocumentNotice::Repaint); break;
    case kHintDatabaseChanged: NotifyViews(DocumentNotice::DatabaseChanged); break;
    case kHintRequeried: NotifyViews(DocumentNotice::RecordsReloaded); break;
    case kHintShowCurrent: NotifyViews(DocumentNotice::CurrentMoved); break;
    }
}

void CZOFDoc::NotifyViews(DocumentNotice notice) {
    // A view may register or leave while it hears a notice; the ones registered now hear it.
    const std::vector<DocumentView*> views = views_;
    for (DocumentView* view : views) view->OnDocumentNotice(notice);
}

bool CZOFDoc::FindCurrent(const std::string& condition) {
    const bool found = store_.FindFirstMatch(condition);
    currentPosition_ = found ? store_.CurrentPosition() : -1;
    return found;
}

void CZOFDoc::SelectRecord(int id) {
    if (!store_.HasBrowseSet() || !store_.FindById(id)) return;
    currentPosition_ = store_.CurrentPosition();
    UpdateViews(kHintShowCurrent);
}

void CZOFDoc::OnClockSecond() {
    const UtcTime now = clock_.NowUtc();
    const long minute = ((static_cast<long>(now.year) * 12 + now.month) * 31 + now.day) * 1440 + now.hour * 60 + now.minute;
    const bool first = lastMinute_ < 0;
    if (minute == lastMinute_) return;
    lastMinute_ = minute;
    // The clipboard export and a printout walk the rows and must find them where they left them.
    // A requery that reports an error waits in a message box whose event loop delivers the next
    // seconds; they must not stack a second requery and a second box on the first.
    if (first || holdingRows_ || ticking_) return;
    ticking_ = true;
    NotifyViews(DocumentNotice::MinutePassed);
    if (FollowsClock()) {
        RequeryCycle();
    } else {
        CheckDatabaseFile();
    }
    ticking_ = false;
}

void CZOFDoc::EndBusy() {
    prompts_.SetWaitCursor(false);
    prompts_.ShowStatusMessage("Ready");
}

void CZOFDoc::ReportStoreError(const std::string& description) { prompts_.ShowStoreError(description); }

}  // namespace zofar
