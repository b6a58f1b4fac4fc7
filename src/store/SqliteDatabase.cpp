#include "store/SqliteDatabase.h"

#include <sqlite3.h>

#include <cstring>

#include "store/JetText.h"
#include "store/StoreException.h"

namespace zofar {

namespace {

void LikeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    // like(pattern, text[, escape]); Null in, Null out.
    for (int k = 0; k < argc; ++k) {
        if (sqlite3_value_type(argv[k]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    }
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int pn = sqlite3_value_bytes(argv[0]);
    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const int tn = sqlite3_value_bytes(argv[1]);
    std::optional<char32_t> escape;
    if (argc == 3) {
        const auto* e = sqlite3_value_text(argv[2]);
        if (sqlite3_value_bytes(argv[2]) != 1) {
            sqlite3_result_error(ctx, "The escape character of LIKE must be a single character.", -1);
            return;
        }
        escape = e[0];
    }
    switch (MatchLike(std::string_view(p ? p : "", static_cast<size_t>(pn)),
                      std::string_view(t ? t : "", static_cast<size_t>(tn)), escape)) {
    case LikeResult::Match: sqlite3_result_int(ctx, 1); break;
    case LikeResult::NoMatch: sqlite3_result_int(ctx, 0); break;
    case LikeResult::BadPattern:
        sqlite3_result_error(ctx, "Invalid pattern string in LIKE: a '[' is not closed.", -1);
        break;
    }
}

int GeneralCollation(void*, int na, const void* a, int nb, const void* b) {
    return CompareGeneral(std::string_view(static_cast<const char*>(a), static_cast<size_t>(na)),
                          std::string_view(static_cast<const char*>(b), static_cast<size_t>(nb)));
}

// Statements for the browse set and finds may read ZOFTABLE and call functions, nothing else.
int ReadOnlyAuthorizer(void*, int action, const char* arg1, const char*, const char*, const char*) {
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_FUNCTION: return SQLITE_OK;
    case SQLITE_READ: return arg1 && sqlite3_stricmp(arg1, "ZOFTABLE") == 0 ? SQLITE_OK : SQLITE_DENY;
    default: return SQLITE_DENY;
    }
}

}  // namespace

Database::Database(const std::string& path, Mode mode) {
    // A connection is only ever used by the thread that opened it, so it needs no mutex of its own.
    const int flags = (mode == Mode::CreateNew ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READWRITE) |
                      SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        // The engine's words, and the system's reason where there is one ("unable to open
        // database file" alone does not tell a missing file from a locked folder).
        std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        if (const int error = db_ ? sqlite3_system_errno(db_) : 0; error != 0)
            message += std::string(" (") + std::strerror(error) + ")";
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreException(rc, message);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function_v2(db_, "like", 2, kFlags, nullptr, LikeFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function_v2(db_, "like", 3, kFlags, nullptr, LikeFunction, nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_collation_v2(db_, "NOCASE", SQLITE_UTF8, nullptr, GeneralCollation, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db_);
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreException(SQLITE_ERROR, message);
    }
    sqlite3_busy_timeout(db_, 2000);
}

Database::~Database() { sqlite3_close_v2(db_); }

void Database::Throw(int code) const { throw StoreException(code, sqlite3_errmsg(db_)); }

void Database::Execute(const std::string& sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        throw StoreException(rc, message);
    }
}

void Database::SetReadOnlyGuard(bool on) { sqlite3_set_authorizer(db_, on ? ReadOnlyAuthorizer : nullptr, nullptr); }

Statement::Statement(Database& db, std::string_view sql) : db_(db) {
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, &tail);
    if (rc != SQLITE_OK) db.Throw(rc);
    if (stmt_ == nullptr) throw StoreException(SQLITE_MISUSE, "The query text holds no statement.");
    const char* end = sql.data() + sql.size();
    for (const char* p = tail; p && p < end; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';') {
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            throw StoreException(SQLITE_MISUSE, "The query text holds more than one statement.");
        }
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    db_.Throw(rc);
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void Statement::BindInt64(int index, int64_t value) {
    if (int rc = sqlite3_bind_int64(stmt_, index, value); rc != SQLITE_OK) db_.Throw(rc);
}

void Statement::BindDouble(int index, double value) {
    if (int rc = sqlite3_bind_double(stmt_, index, value); rc != SQLITE_OK) db_.Throw(rc);
}

void Statement::BindText(int index, std::string_view value) {
    if (int rc = sqlite3_bind_text64(stmt_, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        rc != SQLITE_OK)
        db_.Throw(rc);
}

void Statement::BindKeptText(int index, std::string_view value) {
    // A null pointer would bind Null instead of the empty text.
    const char* text = value.data() ? value.data() : "";
    if (int rc = sqlite3_bind_text64(stmt_, index, text, value.size(), SQLITE_STATIC, SQLITE_UTF8); rc != SQLITE_OK)
        db_.Throw(rc);
}

void Statement::BindNull(int index) {
    if (int rc = sqlite3_bind_null(stmt_, index); rc != SQLITE_OK) db_.Throw(rc);
}

int Statement::ColumnType(int column) const { return sqlite3_column_type(stmt_, column); }
int64_t Statement::ColumnInt64(int column) const { return sqlite3_column_int64(stmt_, column); }
double Statement::ColumnDouble(int column) const { return sqlite3_column_double(stmt_, column); }

std::string Statement::ColumnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}

FieldValue Statement::ColumnValue(int column) const {
    // The value object is only used on this thread, before the statement moves on.
    sqlite3_value* value = sqlite3_column_value(stmt_, column);
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL: return std::monostate{};
    case SQLITE_INTEGER: return static_cast<int64_t>(sqlite3_value_int64(value));
    case SQLITE_FLOAT: return sqlite3_value_double(value);
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        return text ? std::string(text, static_cast<size_t>(sqlite3_value_bytes(value))) : std::string();
    }
    }
}

Transaction::Transaction(Database& db) : db_(db) { db_.Execute("BEGIN"); }

Transaction::~Transaction() {
    if (!done_) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit() {
    db_.Execute("COMMIT");
    done_ = true;
}

}  // namespace zofar
