#include "store/RowCache.h"

namespace zofar {

const RowValues* RowCache::Find(int row) {
    if (row < 0) return nullptr;
    auto it = pages_.find(PageOf(row));
    if (it == pages_.end()) return nullptr;
    const auto index = static_cast<size_t>(row % pageSize_);
    if (index >= it->second.rows.size()) return nullptr;
    lru_.splice(lru_.begin(), lru_, it->second.lru);
    return &it->second.rows[index];
}

void RowCache::Store(int page, std::vector<RowValues> rows) {
    if (auto it = pages_.find(page); it != pages_.end()) {
        it->second.rows = std::move(rows);
        lru_.splice(lru_.begin(), lru_, it->second.lru);
        return;
    }
    while (pages_.size() >= maxPages_ && !lru_.empty()) {
        pages_.erase(lru_.back());
        lru_.pop_back();
    }
    lru_.push_front(page);
    pages_.emplace(page, Entry{std::move(rows), lru_.begin()});
}

void RowCache::Clear() {
    pages_.clear();
    lru_.clear();
}

}  // namespace zofar
