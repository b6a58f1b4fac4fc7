#pragma once

#include <cstddef>
#include <list>
#include <unordered_map>
#include <vector>

#include "store/FieldValue.h"

namespace zofar {

/// The values of one row: the 24 list fields and UNIQUEID, by browse-set field index.
using RowValues = std::vector<FieldValue>;

/// Pages of rows by page number, the least recently used page dropped first.
class RowCache {
public:
    RowCache(int pageSize, size_t maxPages) : pageSize_(pageSize), maxPages_(maxPages) {}

    int PageSize() const { return pageSize_; }
    int PageOf(int row) const { return row / pageSize_; }

    /// The cached row, or nullptr when its page is not held.
    const RowValues* Find(int row);
    /// Stores a page; `rows` holds the page's rows in order (the last page may be shorter).
    void Store(int page, std::vector<RowValues> rows);
    void Clear();
    size_t PageCount() const { return pages_.size(); }

private:
    struct Entry {
        std::vector<RowValues> rows;
        std::list<int>::iterator lru;
    };
    int pageSize_;
    size_t maxPages_;
    std::unordered_map<int, Entry> pages_;
    std::list<int> lru_;  // front = most recently used
    // The page used last, found without a lookup: a screen reads many cells of one page in a row.
    int recentPage_ = -1;
    Entry* recent_ = nullptr;
};

}  // namespace zofar
