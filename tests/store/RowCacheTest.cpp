#include <gtest/gtest.h>

#include "store/RowCache.h"

namespace zofar {
namespace {

std::vector<RowValues> Page(int firstRow, int rows) {
    std::vector<RowValues> page;
    for (int r = 0; r < rows; ++r) page.push_back(RowValues{static_cast<int64_t>(firstRow + r)});
    return page;
}

int64_t Key(const RowValues* row) { return row ? std::get<int64_t>((*row)[0]) : -1; }

TEST(RowCache, findsRowsOfHeldPagesOnlyAndAShortLastPageEndsAtItsRows) {
    RowCache cache(4, 8);
    cache.Store(0, Page(0, 4));
    cache.Store(2, Page(8, 2));  // the last page of a set of 10 rows
    EXPECT_EQ(Key(cache.Find(3)), 3);
    EXPECT_EQ(Key(cache.Find(9)), 9);
    EXPECT_EQ(cache.Find(10), nullptr);
    EXPECT_EQ(cache.Find(5), nullptr) << "page 1 was never stored";
    EXPECT_EQ(cache.Find(-1), nullptr);
    cache.Clear();
    EXPECT_EQ(cache.Find(3), nullptr);
    EXPECT_EQ(cache.PageCount(), 0u);
}

TEST(RowCache, dropsTheLeastRecentlyUsedPageWhenFull) {
    RowCache cache(2, 3);
    cache.Store(0, Page(0, 2));
    cache.Store(1, Page(2, 2));
    cache.Store(2, Page(4, 2));
    ASSERT_NE(cache.Find(0), nullptr);  // page 0 is now the most recently used
    cache.Store(3, Page(6, 2));
    EXPECT_EQ(cache.PageCount(), 3u);
    EXPECT_EQ(cache.Find(2), nullptr) << "page 1 was used least recently";
    EXPECT_EQ(Key(cache.Find(0)), 0);
    EXPECT_EQ(Key(cache.Find(5)), 5);
    EXPECT_EQ(Key(cache.Find(7)), 7);

    cache.Store(2, Page(40, 2));  // storing a held page again replaces it and keeps the count
    EXPECT_EQ(cache.PageCount(), 3u);
    EXPECT_EQ(Key(cache.Find(4)), 40);
}

}  // namespace
}  // namespace zofar
