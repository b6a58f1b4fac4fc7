#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/FieldValue.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zofar {

/// One SQLite connection with the text semantics of the program's SQL: the Jet LIKE and the
/// general case-insensitive collation (as NOCASE). Throws StoreException on failure.
class Database {
public:
    enum class Mode { OpenExisting, CreateNew };

    Database(const std::string& path, Mode mode);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    /// Runs statements that need no results (schema, transactions).
    void Execute(const std::string& sql);
    /// While set, statements prepared on this connection may only read ZOFTABLE.
    void SetReadOnlyGuard(bool on);

    sqlite3* Handle() const { return db_; }
    [[noreturn]] void Throw(int code) const;

private:
    sqlite3* db_ = nullptr;
};

/// A prepared statement; refuses a text that holds more than one statement.
class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    /// Advances to the next row; false at the end.
    bool Step();
    void Reset();
    void BindInt64(int index, int64_t value);
    void BindDouble(int index, double value);
    void BindText(int index, std::string_view value);
    /// Binds `value` without copying it: it must stay alive and unchanged until the statement
    /// is reset or the parameter bound again.
    void BindKeptText(int index, std::string_view value);
    void BindNull(int index);

    int ColumnType(int column) const;
    int64_t ColumnInt64(int column) const;
    double ColumnDouble(int column) const;
    std::string ColumnText(int column) const;
    /// Null, an integer, a double or a text (a blob reads as its bytes), with one lookup of
    /// the column for all of it.
    FieldValue ColumnValue(int column) const;

private:
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

/// Rolls back in its destructor unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Database& db_;
    bool done_ = false;
};

}  // namespace zofar
