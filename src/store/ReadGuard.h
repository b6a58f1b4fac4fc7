#pragma once

#include "store/SqliteDatabase.h"

namespace zofar {

/// Holds the read-only guard for the statements a query text reaches the engine in: a crafted
/// condition can read ZOFTABLE, never write or reach anything else.
class ReadGuard {
public:
    explicit ReadGuard(Database& db) : db_(db) { db_.SetReadOnlyGuard(true); }
    ~ReadGuard() { db_.SetReadOnlyGuard(false); }
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;

private:
    Database& db_;
};

}  // namespace zofar
