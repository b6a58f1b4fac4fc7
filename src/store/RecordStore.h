#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

#include "store/BroadcastRecord.h"
#include "store/ColumnTable.h"
#include "store/FieldValue.h"
#include "store/ListRows.h"
#include "store/RowCache.h"

namespace zofar {

/// Receives the descriptions of database-engine errors; the document shows them.
class StoreErrorReporter {
public:
    virtual ~StoreErrorReporter() = default;
    virtual void ReportStoreError(const std::string& description) = 0;
};

class Database;
class BrowseSet;

/// Registers the SQL functions of the computed columns on a connection of the store; the store
/// then shows those columns in every database it opens.
class ComputedFunctions {
public:
    virtual ~ComputedFunctions() = default;
    /// False when the functions could not be registered or their columns have nothing to show
    /// (the columns then stay away).
    virtual bool Register(sqlite3* connection) = 0;
};
class StoreException;

/// FREQ, STATION, LOCATION, COUNTRY and ITU of one row; a Null or non-text field reads as "".
struct RecordSummary {
    double freq = 0.0;
    std::string station, location, country, itu;
};

/// "SELECT <select list> FROM ZOFTABLE".
std::string BuildSelectText();
/// The sort key, " DESC" when `descending`, then ", STATION" for exactly "FREQ", else ", FREQ".
std::string BuildSortText(const std::string& sortKey, bool descending = false);
/// The select text, " WHERE " and the condition when there is one, " ORDER BY " and the sort text.
std::string BuildQueryText(const std::string& selectText, const std::string& condition, const std::string& sortText);

/// The record store: one database file, its table ZOFTABLE and the browse set the list shows.
/// Engine errors are reported through the reporter and turned into the operation's result;
/// no exception leaves this class.
class RecordStore : public RecordSink {
public:
    explicit RecordStore(StoreErrorReporter& reporter);
    ~RecordStore() override;
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    /// Creates the file `path` with an empty ZOFTABLE (with the extension columns when
    /// `extension`) and keeps it open for an import. On failure nothing stays open and the name
    /// is emptied; a file may remain on disk.
    bool CreateDatabaseFile(const std::string& path, const std::string& name, bool extension = false);
    /// The functions of the computed columns, for the databases opened from now on; nullptr for
    /// none. `functions` must outlive the store's open databases.
    void SetComputedFunctions(ComputedFunctions* functions) { computedFunctions_ = functions; }
    /// Starts and ends the one transaction an import runs in.
    bool BeginImport();
    bool CommitImport();
    bool AddRecord(const BroadcastRecord& record) override;

    /// Opens `path` and the browse set. False on an engine error (nothing stays open) and,
    /// silently, on an empty result (database and browse set stay open).
    bool OpenBrowseSet(const std::string& path, const std::string& name, const std::string& selectText,
                       const std::string& sortText, const std::string& condition);
    /// As above, with the condition made for the columns the file turns out to have.
    bool OpenBrowseSet(const std::string& path, const std::string& name, const std::string& selectText,
                       const std::string& sortText, const std::function<std::string(ColumnSet)>& condition);
    /// As above, with the sort text too made for the columns the file turns out to have.
    bool OpenBrowseSet(const std::string& path, const std::string& name, const std::string& selectText,
                       const std::function<std::string(ColumnSet)>& sortText,
                       const std::function<std::string(ColumnSet)>& condition);
    bool CloseStore();
    /// Asks the computed functions again whether their columns can be shown (the listener's
    /// location may have come or gone) and, when the answer changed, gives the open database
    /// those columns or takes them away and runs the browse query again. True when the columns
    /// changed; false when they did not or an engine error (reported) left them as they were.
    bool UpdateComputedColumns(const std::string& sortText, const std::string& condition);
    /// Re-runs the browse query; false on an empty result (silently) or an engine error
    /// (the browse set then stays as it was).
    bool RequeryBrowseSet(const std::string& sortText, const std::string& condition);
    /// Finds the first row in browse order that meets `condition`; sets the current position.
    bool FindFirstMatch(const std::string& condition);
    /// A negative id finds nothing and sets the current position to -1.
    bool FindById(int id);
    /// The UNIQUEID of the row the list points at (selection when visible, else the middle
    /// visible row when `onAirNow`), or -1.
    int CurrentRecordId(const ListRows& rows, bool onAirNow);
    /// Reads FREQ, STATION, LOCATION, COUNTRY and ITU of `row` without moving the cursor; false
    /// after an engine error or for a row outside the set (reported).
    bool ReadRecordSummary(int row, RecordSummary& out) const;

    /// Value of browse-set field 0..24 of row `row`, read without moving the browse set's
    /// cursor; Null for a row outside the set and after an engine error (reported).
    FieldValue GetFieldValue(int row, int field) const;
    /// The values of `row` (browse-set field order) where the store keeps them, read without
    /// moving the cursor and without a copy: valid until another row is read, the browse set is
    /// requeried or the store is closed. nullptr outside the set and after an engine error
    /// (reported).
    const RowValues* RowAt(int row) const;
    /// All values of `row` (browse-set field order), read without moving the cursor, so a walk
    /// over the rows never disturbs the list; nothing outside the set or after an engine error
    /// (reported).
    std::optional<RowValues> ReadRow(int row) const;
    /// The side query: the rows meeting `condition` (empty: every row) in `sortText` order (empty:
    /// table order), every field the database has, read by a query of their own, so the browse
    /// set, its cursor and its cache stay as they are. `row` returns false to stop early. False
    /// without an open database or after an engine error (reported).
    bool ReadSelection(const std::string& condition, const std::string& sortText,
                       const std::function<bool(const RowValues&)>& row) const;
    /// Moves the browse set to `row`: the next row when it follows the last one read, else by
    /// absolute position. The values of the row are then available without a further query.
    bool MoveTo(int row);

    bool IsOpen() const;
    /// The optional columns the open database has.
    ColumnSet Columns() const { return columns_; }
    bool HasBrowseSet() const;
    int RecordCount() const;
    const std::string& DatabaseName() const { return databaseName_; }
    int CurrentPosition() const { return currentPosition_; }
    void SetCurrentPosition(int position) { currentPosition_ = position; }

    /// Number of queries the browse set ran to fetch rows since it was opened (for tests and
    /// benchmarks of the per-row cost).
    long RowFetchQueries() const;

private:
    bool Fail(const std::string& description) const;
    /// Reports `e`; an error of the file itself (missing, unreadable, full, damaged) names the
    /// database first: "The database "NAME" cannot be <doing>: <engine's text>". `always`
    /// names it whatever the error.
    bool FailOnFile(const StoreException& e, const char* doing, bool always = false) const;

    struct ImportState;

    StoreErrorReporter& reporter_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ImportState> import_;
    std::unique_ptr<BrowseSet> browse_;
    std::string databaseName_;
    std::string selectText_;
    ColumnSet columns_;
    ComputedFunctions* computedFunctions_ = nullptr;
    int currentPosition_ = -1;
};

}  // namespace zofar
