#include "store/BrowseSet.h"

#include <algorithm>
#include <array>
#include <unordered_set>
#include <utility>

#include "store/ColumnTable.h"
#include "store/ReadGuard.h"
#include "store/RecordStore.h"
#include "store/SqliteDatabase.h"
#include "store/StoreException.h"

namespace zofar {

namespace {

constexpr int kPageSize = 32;
constexpr size_t kMaxPages = 128;

std::string WhereClause(const std::string& browseCondition, const std::string& extra) {
    if (browseCondition.empty() && extra.empty()) return {};
    if (browseCondition.empty()) return " WHERE " + extra;
    if (extra.empty()) return " WHERE " + browseCondition;
    return " WHERE (" + browseCondition + ") AND (" + extra + ")";
}

}  // namespace

BrowseSet::BrowseSet(Database& db, const std::string& selectText, const std::string& sortText,
                     const std::string& condition, ColumnSet columns)
    : db_(db), rows_(columns), selectText_(selectText), cache_(kPageSize, kMaxPages) {
    keys_ = RunKeyQuery(sortText, condition);
    condition_ = condition;
    queryText_ = BuildQueryText(selectText_, condition, sortText);
    MoveLast();
}

BrowseSet::~BrowseSet() = default;

std::vector<int64_t> BrowseSet::RunKeyQuery(const std::string& sortText, const std::string& condition) {
    // The set keeps the keys of the browse query in its order, as a keyset dynaset does; the
    // rows' values are read by key when the list shows them.
    const std::string sql = "SELECT UNIQUEID FROM ZOFTABLE" + WhereClause(condition, {}) + " ORDER BY " + sortText;
    std::vector<int64_t> keys;
    ReadGuard guard(db_);
    Statement st(db_, sql);
    while (st.Step()) keys.push_back(st.ColumnInt64(0));
    return keys;
}

void BrowseSet::Requery(const std::string& sortText, const std::string& condition) {
    auto keys = RunKeyQuery(sortText, condition);
    keys_ = std::move(keys);
    condition_ = condition;
    queryText_ = BuildQueryText(selectText_, condition, sortText);
    cache_.Clear();
    MoveLast();
}

bool BrowseSet::MoveTo(int row) {
    if (row < 0 || row >= RecordCount()) return false;
    position_ = row;
    return true;
}

const RowValues& BrowseSet::Row(int row) const {
    static const RowValues kNullRow(kAllFieldCount);
    if (row < 0 || row >= RecordCount()) return kNullRow;
    if (const RowValues* values = cache_.Find(row)) return *values;
    LoadPage(cache_.PageOf(row));
    const RowValues* values = cache_.Find(row);
    return values ? *values : kNullRow;
}

void BrowseSet::LoadPage(int page) const {
    if (!pageStatement_) {
        std::string sql = "SELECT " + rows_.SelectList() + " FROM ZOFTABLE WHERE UNIQUEID IN (";
        for (int k = 1; k <= kPageSize; ++k) sql += (k == 1 ? "?" : ",?") + std::to_string(k);
        sql += ")";
        pageStatement_ = std::make_unique<Statement>(db_, sql);
    }
    const int first = page * kPageSize;
    const int count = std::min(kPageSize, RecordCount() - first);
    // The engine returns the rows in an order of its own; each finds its place in the page by
    // its key, looked up in the page's keys sorted.
    std::array<std::pair<int64_t, int>, kPageSize> places{};
    for (int k = 0; k < count; ++k) places[static_cast<size_t>(k)] = {keys_[static_cast<size_t>(first + k)], k};
    std::sort(places.begin(), places.begin() + count);
    std::vector<RowValues> rows(static_cast<size_t>(count));
    pageStatement_->Reset();
    for (int k = 0; k < kPageSize; ++k) {
        pageStatement_->BindInt64(k + 1, k < count ? keys_[static_cast<size_t>(first + k)] : -1);
    }
    ++fetchQueries_;
    while (pageStatement_->Step()) {
        RowValues values = rows_.Read(*pageStatement_);
        const auto* key = std::get_if<int64_t>(&values[kUniqueIdField]);
        if (!key) continue;
        const auto place = std::lower_bound(places.begin(), places.begin() + count, std::make_pair(*key, 0));
        if (place != places.begin() + count && place->first == *key) {
            rows[static_cast<size_t>(place->second)] = std::move(values);
        }
    }
    pageStatement_->Reset();
    // A row deleted meanwhile by another program reads as Nulls.
    for (auto& row : rows) {
        if (row.empty()) row.resize(kAllFieldCount);
    }
    cache_.Store(page, std::move(rows));
}

int BrowseSet::FindFirst(const std::string& condition) {
    std::unordered_set<int64_t> matches;
    {
        ReadGuard guard(db_);
        Statement st(db_, "SELECT UNIQUEID FROM ZOFTABLE" + WhereClause(condition_, condition));
        while (st.Step()) matches.insert(st.ColumnInt64(0));
    }
    if (matches.empty()) return -1;
    for (size_t k = 0; k < keys_.size(); ++k) {
        if (matches.count(keys_[k])) return static_cast<int>(k);
    }
    return -1;
}

int BrowseSet::FindKey(int64_t key) const {
    auto it = std::find(keys_.begin(), keys_.end(), key);
    return it == keys_.end() ? -1 : static_cast<int>(it - keys_.begin());
}

}  // namespace zofar
