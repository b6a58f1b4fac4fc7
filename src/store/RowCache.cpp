#include "store/RowCache.h"

namespace zofar {

const RowValues* RowCache::Find(int row) {
    if (row < 0) return nullptr;
    const int page = PageOf(row);
    const auto index = static_cast<size_t>(row % pageSize_);
    if (recent_ && page == recentPage_) return index < recent_->rows.size() ? &recent_->rows[index] : nullptr;
    auto it = pages_.find(page);
    if (it == pages_.end()) return nullptr;
    lru_.splice(lru_.begin(), lru_, it->second.lru);
    recentPage_ = page;
    recent_ = &it->second;
    if (index >= it->second.rows.size()) return nullptr;
    return &it->second.rows[index];
}

void RowCache::Store(int page, std::vector<RowValues> rows) {
    if (auto it = pages_.find(page); it != pages_.end()) {
        it->second.rows = std::move(rows);
        lru_.splice(lru_.begin(), lru_, it->second.lru);
        recentPage_ = page;
        recent_ = &it->second;
        return;
    }
    while (pages_.size() >= maxPages_ && !lru_.empty()) {
        pages_.erase(lru_.back());
        lru_.pop_back();
    }
    lru_.push_front(page);
    recentPage_ = page;
    recent_ = &pages_.emplace(page, Entry{std::move(rows), lru_.begin()}).first->second;
}

void RowCache::Clear() {
    pages_.clear();
    lru_.clear();
    recentPage_ = -1;
    recent_ = nullptr;
}

}  // namespace zofar
