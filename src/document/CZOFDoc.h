#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/DocumentSettings.h"
#include "base/Clock.h"
#include "base/CommandId.h"
#include "base/UserPrompts.h"
#include "export/ExportDialogs.h"
#include "fetch/FetchDialogs.h"
#include "fetch/FetchRequest.h"
#include "import/ImportUi.h"
#include "receiver/ReceiverDialogs.h"
#include "receiver/ReceiverLink.h"
#include "selection/PredefinedFilterList.h"
#include "selection/PredefinedFilterOperations.h"
#include "output/OutputDialogs.h"
#include "selection/SelectionDialogs.h"
#include "store/DatabaseDialogs.h"
#include "store/DatabaseFileWatch.h"
#include "store/DatabaseFolder.h"
#include "store/KeyColumns.h"
#include "store/RecordStore.h"
#include "geo/GeoComputedColumns.h"
#include "geo/ListenerLocation.h"
#include "view/DocumentView.h"
#include "view/ListPort.h"

namespace zofar {

/// Where the document keeps its files.
struct DocumentPaths {
    std::string settingsFile;    ///< full path of the settings file
    std::string databaseFolder;  ///< ends with '/'
    /// The named filters' file, read when the document is made and written when it is
    /// destroyed; empty for none (the named filters then live in memory only).
    std::string filterFile = {};
    /// False: the named filters' file is read but never written, for tools that only look.
    bool saveFilterFile = true;
    /// Where downloaded schedules are kept, ending with '/'; empty: the XDG cache folder.
    std::string cacheFolder = {};
};

/// The screen the document works with, one interface per role. Each must outlive the document.
struct DocumentScreen {
    UserPrompts& prompts;
    ImportUi& import;
    ListPort& list;
    DatabaseDialogs& databaseDialogs;
    SelectionDialogs& selectionDialogs;
    ReceiverLink& receiverLink;
    ReceiverDialogs& receiverDialogs;
    OutputDialogs& outputDialogs;
    ExportDialogs& exportDialogs;
    FetchDialogs& fetchDialogs;

    /// The screen of one object that plays every role.
    template <typename Screen>
    static DocumentScreen Of(Screen& screen) {
        return {screen, screen, screen, screen, screen, screen, screen, screen, screen, screen};
    }
};

/// The document: the hub that holds the open database, the browse set, the sort key, the filter
/// and every persistent setting, and handles the commands. It reaches the screen only through
/// the role interfaces of DocumentScreen, so every handler runs in tests without a display.
/// Its handlers are written in the folders of their subsystems.
class CZOFDoc : public StoreErrorReporter, public PredefinedFilterOperations, public DocumentReader {
public:
    /// Loads the named filters' file; a file that cannot be read leaves the list empty.
    CZOFDoc(DocumentScreen screen, const Clock& clock, DocumentPaths paths);
    /// Writes the named filters' file; a failure loses this run's changes of the list, the
    /// file as it was stays whole.
    ~CZOFDoc() override;
    CZOFDoc(const CZOFDoc&) = delete;
    CZOFDoc& operator=(const CZOFDoc&) = delete;

    // Life cycle.
    /// Loads the settings and reopens the last database; always succeeds.
    bool OnNewDocument();
    /// Reads the settings file into the document (sections "Settings" and "Output").
    void LoadSettings();
    /// Opens `name` as at start-up: with the sort key and filter as they are (a sort key that
    /// is no key column becomes FREQ), no status texts. False when it could not be opened.
    bool ReopenDatabase(const std::string& name);
    /// The document's part of quitting: asks "Do you really want to quit?"; on Yes keeps the
    /// list's column layout, writes the settings (telling the user when they could not be
    /// written) and returns true. On No nothing changes.
    bool Quit();
    /// Closes the database at program end.
    void OnCloseDocument();
    /// Writes the settings file (sections "Settings" and "Output"); false when it could not.
    bool SaveSettings();

    /// Runs the document command `id` (menu, toolbar, list, receiver link, command line); false
    /// when `id` is not a document command. The handlers themselves check whether a database
    /// is open.
    bool Execute(CommandId id);

    // Views beside the list. Each hears every change the list hears, after the list; it must
    // stay registered no longer than it lives.
    void AddView(DocumentView& view);
    void RemoveView(DocumentView& view);

    /// The clock's second: at each new minute the selection that follows the clock is queried
    /// again and every view hears that a minute passed. Nothing while the clipboard export or a
    /// printout walks the rows.
    void OnClockSecond();
    /// Makes the record `id` of the selection the current one and shows it in the list, as a
    /// view beside the list asks when the user picks a record there; nothing when it is not in
    /// the selection.
    void SelectRecord(int id);

    // State the window shows.
    bool IsOpen() const { return store_.IsOpen(); }
    const std::string& DatabaseName() const { return store_.DatabaseName(); }
    int RecordCount() const { return store_.RecordCount(); }
    const std::string& SortKey() const override { return settings_.sort; }
    bool SortDescending() const override { return settings_.sortDescending; }
    bool FilterIsOn() const { return settings_.bFilter == 1; }
    /// The condition text for the current criteria, switch and clock.
    std::string BuildFilterCondition() const override;
    int CurrentPosition() const override { return currentPosition_; }
    /// The row that view update 3 selects and shows; -1 for none.
    void SetCurrentPosition(int position) { currentPosition_ = position; }
    /// The open database's own layout when it has one, else the layout of every database.
    const ColumnLayout& SavedLayout() const override;
    bool FollowsClock() const override { return settings_.criteria.OnAirNowActive(); }
    UtcTime NowUtc() const override { return clock_.NowUtc(); }

    const DocumentSettings& Settings() const { return settings_; }
    const RecordStore& Store() const override { return store_; }
    const Clock& TimeSource() const { return clock_; }
    const DocumentPaths& Paths() const { return paths_; }

    // Database commands (store/CZOFDocDatabase.cpp).
    void OnDatabaseOpen();
    void OnDatabaseClose();
    void OnDatabaseCreate();
    /// Create after its dialog: builds the database `request` names from its list, with the
    /// status texts, busy cursor and progress window of the command, and opens it. Nothing while
    /// a database is open. False when no new database is open afterwards (the failure shown).
    bool CreateDatabase(const CreateDatabaseRequest& request);
    void OnDatabaseDelete();

    // Sort and filter commands (selection/CZOFDocSelection.cpp).
    /// Sorts by a key column or by an extra field the open database has; nothing for other keys.
    void SortBy(const std::string& key);
    /// True for the name of an extension or computed field, whichever database is open.
    static bool IsExtraSortKey(const std::string& key);
    /// True for a key column and for the extra fields of a database with `columns`.
    static bool IsSortKeyOf(const std::string& key, ColumnSet columns);
    /// Reverses the sort key's order (the Sort menu's Descending, a click on the sorted header).
    void ToggleSortDescending();
    void RequeryCycle();
    void SetFilter();
    void ToggleFilter();

    // Named filters (selection/CZOFDocPredefinedFilters.cpp).
    void SelectPredefinedFilter();
    void ManagePredefinedFilters();
    std::optional<std::string> PredefinedFilterName(int index) const override;
    /// The new entry holds the current criteria, whether or not the filter switch is on.
    bool CreatePredefinedFilter(int index, const std::string& name) override;
    void DeletePredefinedFilter(int index) override;
    /// Copies the criteria of the entry at `index` (the switch stays as it is) and, with the
    /// switch on and a database open, runs the requery cycle; nothing without an entry.
    void ApplyPredefinedFilter(int index);
    const PredefinedFilterList& PredefinedFilters() const { return predefinedFilters_; }

    // Go-to searches (selection/CZOFDocGoTo.cpp).
    void GoToFrequency();
    /// The search in key column `column`, asked for in the dialog titled after `label`.
    void GoToText(const std::string& column, const std::string& label, GoToMode mode);
    /// The search for the first record at or above a frequency the receiver program reported,
    /// in Hz; re-sorts by frequency first.
    void GoToReceivedFrequency(int32_t hz);

    // Receiver link (receiver/CZOFDocReceiver.cpp).
    void OnTune();
    void OnFindCreateStation();
    void OnReceiverProgram();

    // The listener's location (document/CZOFDocLocation.cpp).
    /// The location dialog; a new location is written to the settings file at once and the
    /// selection queried again, so distances and bearings follow it.
    void OnListenerLocation();
    /// Sorts by the distance to the transmitter (records without one first).
    void SortByDistance();
    const LocationSetting& Location() const { return location_; }
    /// A message from a program on the link: a go-to-frequency request (10001 with at least
    /// four data bytes) moves the list while a database is open; everything else is ignored.
    /// `data` is only read during the call.
    void OnReceiverData(uint32_t dwData, std::span<const uint8_t> data);

    // Output commands (output/CZOFDocOutput.cpp).
    /// The Clipboard command: the clipboard dialog, then ExportToClipboard with its choices.
    void CopyToClipboard();
    /// Copies the rows of the clipboard's record scope, with its columns and separator, to the
    /// clipboard as one text.
    void ExportToClipboard();
    /// The Print command: the print dialog, then printing or the preview; closing the preview
    /// brings the dialog back.
    void PrintCommand();

    // Export (export/CZOFDocExport.cpp).
    /// The Export command: the Export dialog, then ExportRecords with its choices.
    void OnDatabaseExport();
    /// Writes the rows of the choices' record scope to the choices' file in their format and
    /// says how many entries it wrote in the status bar; a failure is shown as a message.
    void ExportRecords(const ExportChoices& choices);
    // Downloaded schedules (fetch/CZOFDocFetch.cpp).
    /// Database > Download schedule: the dialog, which runs FetchSchedule with its choices.
    void OnDownloadSchedule();
    /// Brings the season's files of `request` up to date through `http` and, unless the
    /// database they make is already current, builds it with Create (replacing the old one only
    /// once the new one is complete) and opens it; every outcome is shown.
    FetchStatus FetchSchedule(const FetchRequest& request, HttpTransfer& http, DownloadProgress& progress);
    /// Says once in the status bar when the open downloaded schedule is of an earlier season
    /// than today's.
    void NoteNewerSeason();

    void ReportStoreError(const std::string& description) override;

private:
    bool OpenDatabase(const std::string& name);
    /// Opens the browse set of `name` with the current sort key and the condition for the
    /// columns the database has.
    bool OpenBrowseSet(const std::string& name);
    /// Picks the layout of the database just opened: its own when one is kept or when its source
    /// leaves columns empty (a first one is made then), else the common one.
    void ChooseLayout();
    ColumnLayout& ActiveLayout();
    /// The condition text for the current criteria, switch and clock in a database with or
    /// without dated entries.
    std::string BuildFilterCondition(bool dated) const;
    /// Fills the open, empty store from the list `request` names, with the importer of its
    /// kind (import/CZOFDocImport.cpp): the status text to show once the new database is open,
    /// empty for none; nothing when the import failed, its message shown.
    std::optional<std::string> ImportList(const CreateDatabaseRequest& request);
    /// View update 1. When the browse set is gone the list loses its columns: the layout the
    /// user left is kept, and the sort key and the field filters, which belong to the database
    /// that was open, are cleared.
    void SendDatabaseChanged();
    void EndBusy();
    /// The list's view update, then the same change to every other view.
    void UpdateViews(ViewHint hint);
    void NotifyViews(DocumentNotice notice);
    /// Searches the selection; the found row becomes the current position (-1 when none).
    bool FindCurrent(const std::string& condition);
    void LoadPredefinedFilters();
    /// Writes the named filters' file; false when it could not be written.
    bool SavePredefinedFilters();
    /// Writes the file after a change of the list; the first failure says so in the status bar.
    void SaveChangedPredefinedFilters();
    /// Says once in the status bar that the open database's file was deleted or replaced.
    void CheckDatabaseFile();
    /// Found: view update 3. Not found: "No record found!", after a view update 0 when
    /// `repaintWhenNotFound`.
    void ShowGoToResult(bool found, bool repaintWhenNotFound);
    /// Tune and Find/Create station, which differ only in the message type.
    void SendSelectedStation(uint32_t messageType);
    /// One round of the Print command; true when the preview was closed without printing.
    bool PrintOnce();

    UserPrompts& prompts_;
    ImportUi& importUi_;
    ListPort& list_;
    DatabaseDialogs& databaseDialogs_;
    SelectionDialogs& selectionDialogs_;
    ReceiverLink& receiverLink_;
    ReceiverDialogs& receiverDialogs_;
    OutputDialogs& outputDialogs_;
    ExportDialogs& exportDialogs_;
    FetchDialogs& fetchDialogs_;
    const Clock& clock_;
    DocumentPaths paths_;
    DatabaseFolder folder_;
    DocumentSettings settings_;
    /// Where the listener is, and the computed columns measuring from it for the store.
    LocationSetting location_;
    GeoComputedColumns computed_;
    /// The database whose own layout the list shows; empty while it shows the common one.
    std::string layoutDatabase_;
    RecordStore store_;
    PredefinedFilterList predefinedFilters_;
    /// The file was not taken over whole: its first overwrite keeps it beside.
    bool keepOldFilterFile_ = false;
    /// The clipboard export, an export or a printout is walking the browse set's rows.
    bool holdingRows_ = false;
    /// The record the list selects and shows, as a row of the selection; -1 for none.
    int currentPosition_ = -1;

    std::vector<DocumentView*> views_;
    /// The minute the clock showed at its last second; -1 before the first.
    long lastMinute_ = -1;
    bool ticking_ = false;
    /// The open database's file, watched for being deleted or replaced under its name.
    DatabaseFileWatch databaseFile_;
    /// A failed write of the named filters' file has been told; later failures stay quiet.
    bool filterSaveFailureTold_ = false;
    /// The Export dialog's last choices and CSV columns, for its next opening.
    ExportChoices exportChoices_;
    ColumnFlags exportColumns_ = [] {
        ColumnFlags all{};
        all.fill(true);
        return all;
    }();
    /// The newer season the status bar has told the user of.
    std::string newerSeasonNoted_;
    // The message pane says a reported frequency has no record; the next report that finds
    // one takes the line away again.
    bool showingNoRecordThere_ = false;
};

}  // namespace zofar
