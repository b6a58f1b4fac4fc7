#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/ColumnTable.h"
#include "store/RowCache.h"
#include "store/RowReader.h"

namespace zofar {

class Database;
class Statement;

/// The dynaset the list browses: the ordered UNIQUEIDs of the browse query, with a cursor,
/// and the rows' values fetched a page at a time by key.
class BrowseSet {
public:
    /// Runs the browse query; throws StoreException when the engine refuses it.
    /// Rows hold every field of `columns`; the fields the database lacks read as Null.
    BrowseSet(Database& db, const std::string& selectText, const std::string& sortText, const std::string& condition,
              ColumnSet columns = {});
    ~BrowseSet();
    BrowseSet(const BrowseSet&) = delete;
    BrowseSet& operator=(const BrowseSet&) = delete;

    /// Runs the query again with a new order and condition. On an engine error the set keeps
    /// its old rows and the exception propagates.
    void Requery(const std::string& sortText, const std::string& condition);

    int RecordCount() const { return static_cast<int>(keys_.size()); }
    bool IsEmpty() const { return keys_.empty(); }
    int Position() const { return position_; }
    void MoveLast() { position_ = RecordCount() - 1; }
    /// Moves to a row; false when it lies outside the set.
    bool MoveTo(int row);
    /// Values of the row the cursor stands on.
    const RowValues& Current() const { return Row(position_); }
    /// Values of `row`, read without moving the cursor; a row of Nulls outside the set.
    /// Throws StoreException when the engine cannot read the row's page.
    const RowValues& Row(int row) const;
    int64_t KeyAt(int row) const { return keys_[static_cast<size_t>(row)]; }

    /// Positions of the rows meeting `condition` (within the browse condition), first in browse
    /// order; -1 when none. Throws StoreException on an engine error.
    int FindFirst(const std::string& condition);
    /// Position of the row with this UNIQUEID, -1 when it is not in the set.
    int FindKey(int64_t key) const;

    const std::string& QueryText() const { return queryText_; }
    long FetchQueries() const { return fetchQueries_; }

private:
    std::vector<int64_t> RunKeyQuery(const std::string& sortText, const std::string& condition);
    void LoadPage(int page) const;

    Database& db_;
    RowReader rows_;
    std::string selectText_;
    std::string condition_;
    std::string queryText_;
    std::vector<int64_t> keys_;
    int position_ = -1;
    // Reading a row fills the cache; the rows themselves do not change, so reads stay const.
    mutable RowCache cache_;
    mutable std::unique_ptr<Statement> pageStatement_;
    mutable long fetchQueries_ = 0;
};

}  // namespace zofar
