#include <gtest/gtest.h>

#include <optional>

#include "output/RecordRange.h"

namespace zofar {
namespace {

struct RangeCase {
    const char* what;
    int scope;
    ListRows rows;
    int recordCount;
    std::optional<RecordRange> expected;
};

TEST(RecordRange, eachScopeGivesItsRowsWithinTheSet) {
    const RangeCase cases[] = {
        {"selected record", 1, {7, 0, 29}, 100, RecordRange{7, 7}},
        {"no selected record fails", 1, {-1, 0, 29}, 100, std::nullopt},
        {"a selection past the set fails", 1, {12, 0, 29}, 12, std::nullopt},
        {"records on the screen", 2, {-1, 40, 69}, 100, RecordRange{40, 69}},
        {"fewer records than screen rows", 2, {3, 0, 29}, 12, RecordRange{0, 11}},
        {"screen of an empty list", 2, {-1, 0, -1}, 0, RecordRange{0, -1}},
        {"all records", 3, {5, 40, 69}, 100, RecordRange{0, 99}},
        {"any other value means all records", 0, {-1, 0, 29}, 12, RecordRange{0, 11}},
        {"a large value means all records", 9, {-1, 0, 29}, 12, RecordRange{0, 11}},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolveRecordRange(c.scope, c.rows, c.recordCount), c.expected) << c.what;
}

}  // namespace
}  // namespace zofar
