#include "store/RecordStore.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <array>

#include "store/BrowseSet.h"
#include "store/ColumnTable.h"
#include "store/EngineTextLength.h"
#include "store/ReadGuard.h"
#include "store/RowReader.h"
#include "store/Schema.h"
#include "store/SqliteDatabase.h"
#include "store/StoreException.h"

namespace zofar {

namespace {

// SQLite always describes its errors; this stands in should one ever come without words.
constexpr const char* kNoEngineText = "The database engine reported an error without describing it.";

// Negative: a size in KiB rather than in pages.
constexpr int kBrowseCacheKiB = -32768;

// An empty file is an empty database to the engine: the build file is made so before.
bool NonEmptyFileExists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && (!S_ISREG(st.st_mode) || st.st_size > 0);
}

// Trailing blanks never reach the table: a list pads every field, and a padded value would
// never match an exact filter nor an empty-days test.
std::string_view WithoutTrailingBlanks(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') --n;
    return text.substr(0, n);
}

// A database made from a source with more to say than the list's columns holds the extension
// columns; every other database is read exactly as before.
bool HasExtensionColumns(Database& db) {
    Statement st(db, "SELECT count(*) FROM pragma_table_info('ZOFTABLE', 'main') WHERE name = ?1");
    st.BindText(1, FieldColumn(kFirstExtensionField).name);
    return st.Step() && st.ColumnInt64(0) > 0;
}

}  // namespace

std::string BuildSelectText() { return "SELECT " + std::string(SelectList()) + " FROM ZOFTABLE"; }

std::string BuildSortText(const std::string& sortKey, bool descending) {
    // Only the key turns round; rows of one key value keep their ascending second order.
    return sortKey + (descending ? " DESC" : "") + (sortKey == "FREQ" ? ", STATION" : ", FREQ");
}

std::string BuildQueryText(const std::string& selectText, const std::string& condition, const std::string& sortText) {
    std::string text = selectText;
    if (!condition.empty()) text += " WHERE " + condition;
    text += " ORDER BY " + sortText;
    return text;
}

// Import state: the transaction the whole import runs in, and the records not yet inserted.
// Records go in batches, one insert statement of many rows each, which spares the engine its
// per-statement work (the AUTOINCREMENT counter above all); the table numbers the rows of one
// statement in order, as it numbers single inserts. The values are copied into buffers that
// keep their size from batch to batch, and bound to the statement without a further copy.
struct RecordStore::ImportState {
    static constexpr int kBatchRows = 16;

    struct PendingRow {
        std::optional<double> freq;
        std::array<bool, kColumnCount> set{};
        std::array<std::string, kColumnCount> text;
        std::array<bool, kExtensionFieldCount> extensionSet{};
        std::array<std::string, kExtensionFieldCount> extension;
    };

    ImportState(Database& db, bool withExtension)
        : extension(withExtension),
          transaction(db),
          insertOne(db, BuildInsertText(1, withExtension)),
          insertBatch(db, BuildInsertText(kBatchRows, withExtension)) {}

    // Inserts `rows` pending rows from `first` on with `st`; throws StoreException.
    void Insert(Statement& st, int first, int rows) {
        for (int r = 0; r < rows; ++r) {
            const PendingRow& row = pending[static_cast<size_t>(first + r)];
            const int base = r * InsertParameterCount(extension);
            if (row.freq) {
                st.BindDouble(base + 1, *row.freq);
            } else {
                st.BindNull(base + 1);
            }
            for (int column = 2; column < kColumnCount; ++column) {
                if (row.set[static_cast<size_t>(column)]) {
                    st.BindKeptText(base + column, row.text[static_cast<size_t>(column)]);
                } else {
                    st.BindNull(base + column);
                }
            }
            if (!extension) continue;
            for (int e = 0; e < kExtensionFieldCount; ++e) {
                const int parameter = base + kFirstExtensionField + e;
                if (row.extensionSet[static_cast<size_t>(e)]) {
                    st.BindKeptText(parameter, row.extension[static_cast<size_t>(e)]);
                } else {
                    st.BindNull(parameter);
                }
            }
        }
        // The reset also clears the bindings, so the statement never points at a buffer that
        // the next batch overwrites, whether the step succeeded or not.
        try {
            st.Step();
        } catch (const StoreException&) {
            st.Reset();
            throw;
        }
        st.Reset();
    }

    // Inserts every pending row; throws StoreException.
    void Flush() {
        const int rows = pendingCount;
        pendingCount = 0;
        if (rows == kBatchRows) {
            Insert(insertBatch, 0, rows);
            return;
        }
        for (int r = 0; r < rows; ++r) Insert(insertOne, r, 1);
    }

    bool extension;
    Transaction transaction;
    Statement insertOne;
    Statement insertBatch;
    std::array<PendingRow, kBatchRows> pending;
    int pendingCount = 0;
};

RecordStore::RecordStore(StoreErrorReporter& reporter) : reporter_(reporter) {}

RecordStore::~RecordStore() { CloseStore(); }

bool RecordStore::Fail(const std::string& description) const {
    reporter_.ReportStoreError(description.empty() ? kNoEngineText : description);
    return false;
}

bool RecordStore::FailOnFile(const StoreException& e, const char* doing, bool always) const {
    bool fileError = always;
    switch (e.code() & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_CORRUPT:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_NOTADB:
    case SQLITE_PERM:
    case SQLITE_READONLY: fileError = true; break;
    default: break;
    }
    if (!fileError || databaseName_.empty()) return Fail(e.what());
    return Fail("The database \"" + databaseName_ + "\" cannot be " + doing + ": " +
                (*e.what() ? e.what() : kNoEngineText));
}

bool RecordStore::CreateDatabaseFile(const std::string& path, const std::string& name, bool extension) {
    databaseName_ = name;
    columns_ = {extension, false};
    try {
        if (NonEmptyFileExists(path)) throw StoreException(SQLITE_CANTOPEN, "the file " + path + " already exists");
        db_ = std::make_unique<Database>(path, Database::Mode::CreateNew);
        // The new file only becomes a database once the import has committed, and a failed
        // import deletes it, so the rollback journal may stay in memory instead of being
        // written and synced beside it. The commit still syncs the file itself.
        db_->Execute("PRAGMA journal_mode = MEMORY");
        db_->Execute(BuildCreateTableText(extension));
        return true;
    } catch (const StoreException& e) {
        db_.reset();
        FailOnFile(e, "created", true);
        databaseName_.clear();
        return false;
    }
}

bool RecordStore::BeginImport() {
    if (!db_) return false;
    try {
        // AddRecord holds every value against its column's size itself, before the value joins
        // a batch, so the engine need not run the table's checks a second time. The setting
        // belongs to this connection only; every other writer still meets the checks.
        db_->Execute("PRAGMA ignore_check_constraints = ON");
        import_ = std::make_unique<ImportState>(*db_, columns_.extension);
        return true;
    } catch (const StoreException& e) {
        import_.reset();
        return FailOnFile(e, "written");
    }
}

bool RecordStore::CommitImport() {
    if (!import_) return false;
    try {
        import_->Flush();
        db_->Execute("PRAGMA ignore_check_constraints = OFF");
        import_->transaction.Commit();
        import_.reset();
        return true;
    } catch (const StoreException& e) {
        import_.reset();
        return FailOnFile(e, "written");
    }
}

bool RecordStore::AddRecord(const BroadcastRecord& record) {
    if (!import_) return Fail("The database is not open for adding records.");
    ImportState& state = *import_;
    auto& row = state.pending[static_cast<size_t>(state.pendingCount)];
    // Keeps `value` in `kept`, held against its column's size; false when it is too long.
    const auto keep = [this](const std::optional<std::string>& value, const ColumnInfo& info, bool& set,
                             std::string& kept) {
        set = value.has_value();
        if (!value) return true;
        const std::string_view stored = WithoutTrailingBlanks(*value);
        // A text never has more characters than bytes, so only a long one needs counting.
        if (stored.size() > static_cast<size_t>(info.size) &&
            EngineTextLength(stored) > static_cast<size_t>(info.size)) {
            // The words the engine's own check gives.
            return Fail("CHECK constraint failed: length(" + std::string(info.name) + ") <= " + std::to_string(info.size));
        }
        kept.assign(stored);
        return true;
    };
    for (int column = 2; column < kColumnCount; ++column) {
        const auto c = static_cast<size_t>(column);
        if (!keep(record.text[c], kColumnTable[c], row.set[c], row.text[c])) return false;
    }
    for (int e = 0; e < kExtensionFieldCount; ++e) {
        const auto k = static_cast<size_t>(e);
        if (!state.extension) {
            row.extensionSet[k] = false;
            continue;
        }
        if (!keep(record.extension[k], FieldColumn(kFirstExtensionField + e), row.extensionSet[k], row.extension[k]))
            return false;
    }
    row.freq = record.freq;
    if (++state.pendingCount < ImportState::kBatchRows) return true;
    try {
        state.Flush();
        return true;
    } catch (const StoreException& e) {
        return FailOnFile(e, "written");
    }
}

bool RecordStore::OpenBrowseSet(const std::string& path, const std::string& name, const std::string& selectText,
                                const std::string& sortText, const std::string& condition) {
    return OpenBrowseSet(path, name, selectText, sortText, [&condition](ColumnSet) { return condition; });
}

bool RecordStore::OpenBrowseSet(const std::string& path, const std::string& name, const std::string& selectText,
                                const std::string& sortText, const std::function<std::string(ColumnSet)>& condition) {
    const auto sortTextOf = [&sortText](ColumnSet) { return sortText; };
    return OpenBrowseSet(path, name, selectText, sortTextOf, condition);
}

bool RecordStore::OpenBrowseSet(const std::string& path, const std::string& name, const std::string& selectText,
                                const std::function<std::string(ColumnSet)>& sortText,
                                const std::function<std::string(ColumnSet)>& condition) {
    databaseName_ = name;
    try {
        db_ = std::make_unique<Database>(path, Database::Mode::OpenExisting);
    } catch (const StoreException& e) {
        db_.reset();
        FailOnFile(e, "opened", true);
        databaseName_.clear();
        return false;
    }
    try {
        columns_ = {HasExtensionColumns(*db_), false};
        if (computedFunctions_ && computedFunctions_->Register(db_->Handle())) {
            db_->Execute(BuildComputedViewText());
            columns_.computed = true;
        }
        selectText_ = selectText;
        browse_ = std::make_unique<BrowseSet>(*db_, selectText, sortText(columns_), condition(columns_), columns_);
        // The browse set fetches rows from all over the table and sorts it again at every
        // requery. A cache that can hold the table of a large list spares a file read per
        // fetched row and keeps those sorts in memory; it fills as the list is used. The first
        // sort runs before, with the engine's small cache: filling a large one all at once would
        // cost the open more than it saves.
        db_->Execute("PRAGMA cache_size = " + std::to_string(kBrowseCacheKiB));
    } catch (const StoreException& e) {
        browse_.reset();
        db_.reset();
        FailOnFile(e, "opened", true);
        databaseName_.clear();
        return false;
    }
    return !browse_->IsEmpty();
}

bool RecordStore::UpdateComputedColumns(const std::string& sortText, const std::string& condition) {
    if (!db_ || !browse_) return false;
    const bool wanted = computedFunctions_ && computedFunctions_->Register(db_->Handle());
    if (wanted == columns_.computed) return false;
    ColumnSet columns = columns_;
    columns.computed = wanted;
    try {
        // The old set's statements read through the view; they go before it changes.
        browse_.reset();
        db_->Execute(wanted ? BuildComputedViewText() : std::string("DROP VIEW IF EXISTS temp.ZOFTABLE"));
        columns_ = columns;
        browse_ = std::make_unique<BrowseSet>(*db_, selectText_, sortText, condition, columns_);
    } catch (const StoreException& e) {
        FailOnFile(e, "read");
        if (!browse_) {
            // Without a browse set the list would show nothing: the database goes as after a close.
            CloseStore();
        }
        return false;
    }
    return true;
}

bool RecordStore::CloseStore() {
    browse_.reset();
    import_.reset();
    columns_ = {};
    if (db_) {
        db_.reset();
        databaseName_.clear();
    }
    return true;
}

bool RecordStore::RequeryBrowseSet(const std::string& sortText, const std::string& condition) {
    if (!browse_) return false;
    try {
        browse_->Requery(sortText, condition);
    } catch (const StoreException& e) {
        return FailOnFile(e, "read");
    }
    return !browse_->IsEmpty();
}

bool RecordStore::FindFirstMatch(const std::string& condition) {
    currentPosition_ = -1;
    if (!browse_) return false;
    try {
        currentPosition_ = browse_->FindFirst(condition);
    } catch (const StoreException& e) {
        currentPosition_ = -1;
        return FailOnFile(e, "read");
    }
    if (currentPosition_ >= 0) browse_->MoveTo(currentPosition_);
    return currentPosition_ >= 0;
}

bool RecordStore::FindById(int id) {
    currentPosition_ = -1;
    if (id < 0 || !browse_) return false;
    // The same answer as a search for "UNIQUEID = id", read from the keys the set holds.
    currentPosition_ = browse_->FindKey(id);
    if (currentPosition_ >= 0) browse_->MoveTo(currentPosition_);
    return currentPosition_ >= 0;
}

int RecordStore::CurrentRecordId(const ListRows& rows, bool onAirNow) {
    if (!browse_) return -1;
    int row = -1;
    if (rows.selected >= 0 && rows.selected >= rows.firstVisible && rows.selected <= rows.lastVisible) {
        row = rows.selected;
    } else if (onAirNow) {
        row = (rows.firstVisible + rows.lastVisible) / 2;
    }
    if (row < 0 || row >= browse_->RecordCount()) return -1;
    return static_cast<int>(browse_->KeyAt(row));
}

bool RecordStore::ReadRecordSummary(int row, RecordSummary& out) const {
    if (!browse_) return false;
    if (row < 0 || row >= browse_->RecordCount()) return Fail("The record is not in the list.");
    try {
        const RowValues& values = browse_->Row(row);
        const auto* freq = std::get_if<double>(&values[0]);
        out.freq = freq ? *freq : 0.0;
        out.station = TextOf(values[1]);
        out.location = TextOf(values[5]);
        out.country = TextOf(values[7]);
        out.itu = TextOf(values[8]);
    } catch (const StoreException& e) {
        return FailOnFile(e, "read");
    }
    return true;
}

FieldValue RecordStore::GetFieldValue(int row, int field) const {
    if (!browse_ || field < 0 || field >= kAllFieldCount || row < 0 || row >= browse_->RecordCount()) return {};
    try {
        return browse_->Row(row)[static_cast<size_t>(field)];
    } catch (const StoreException& e) {
        FailOnFile(e, "read");
        return std::monostate{};
    }
}

const RowValues* RecordStore::RowAt(int row) const {
    if (!browse_ || row < 0 || row >= browse_->RecordCount()) return nullptr;
    try {
        return &browse_->Row(row);
    } catch (const StoreException& e) {
        FailOnFile(e, "read");
        return nullptr;
    }
}

std::optional<RowValues> RecordStore::ReadRow(int row) const {
    if (!browse_ || row < 0 || row >= browse_->RecordCount()) return std::nullopt;
    try {
        return browse_->Row(row);
    } catch (const StoreException& e) {
        FailOnFile(e, "read");
        return std::nullopt;
    }
}

bool RecordStore::ReadSelection(const std::string& condition, const std::string& sortText,
                                const std::function<bool(const RowValues&)>& row) const {
    if (!db_ || import_) return false;
    const RowReader reader(columns_);
    std::string sql = "SELECT " + reader.SelectList() + " FROM ZOFTABLE";
    if (!condition.empty()) sql += " WHERE " + condition;
    if (!sortText.empty()) sql += " ORDER BY " + sortText;
    try {
        ReadGuard guard(*db_);
        Statement st(*db_, sql);
        while (st.Step()) {
            if (!row(reader.Read(st))) break;
        }
    } catch (const StoreException& e) {
        return FailOnFile(e, "read");
    }
    return true;
}

bool RecordStore::MoveTo(int row) { return browse_ && browse_->MoveTo(row); }

bool RecordStore::IsOpen() const { return db_ != nullptr; }
bool RecordStore::HasBrowseSet() const { return browse_ != nullptr; }
int RecordStore::RecordCount() const { return browse_ ? browse_->RecordCount() : 0; }
long RecordStore::RowFetchQueries() const { return browse_ ? browse_->FetchQueries() : 0; }

}  // namespace zofar
