#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "chart/ChartTestRecords.h"
#include "chart/ComingUp.h"

namespace zofar {
namespace {

using test::MakeChartRecord;

UtcTime At(int hour, int minute, int weekday) {
    UtcTime t;
    t.hour = hour;
    t.minute = minute;
    t.weekday = weekday;
    return t;
}

// (id, minutes left) of each entry, in order.
std::vector<std::pair<int, int>> Ids(const std::vector<ChartRecord>& records, const UtcTime& now, int minutes) {
    std::vector<std::pair<int, int>> ids;
    for (const ComingUpEntry& e : ComingUp(records, now, minutes))
        ids.emplace_back(records[e.record].id, e.minutesLeft);
    return ids;
}

TEST(ComingUp, countsAcrossMidnightSoonestFirst) {
    const std::vector<ChartRecord> records{
        MakeChartRecord(1, 6000.0, 10, 60),      // 00:10, 20 minutes away
        MakeChartRecord(2, 9400.0, 1435, 60),    // 23:55, 5 minutes away
        MakeChartRecord(3, 5900.0, 10, 30),      // 00:10 too, lower frequency first
        MakeChartRecord(4, 7300.0, 1430, 1440),  // 23:50: on air, not coming up
        MakeChartRecord(5, 7300.0, 21, 60),      // 00:21: beyond 30 minutes
        MakeChartRecord(6, 7300.0, 20, 60),      // 00:20: exactly 30 minutes
    };
    EXPECT_EQ(Ids(records, At(23, 50, 3), 30), (std::vector<std::pair<int, int>>{{2, 5}, {3, 20}, {1, 20}, {6, 30}}));
    EXPECT_EQ(Ids(records, At(23, 50, 3), 0), (std::vector<std::pair<int, int>>{}));
    EXPECT_EQ(Ids(records, At(23, 50, 3), 5000).size(), 5u) << "a whole day at most: all but the one on air";
}

TEST(ComingUp, leavesOutARecordWhoseDaysMissTheDayItWouldStart) {
    // Sunday 23:50: 23:55 starts on Sunday (7), 00:10 on Monday (1).
    const std::vector<ChartRecord> records{
        MakeChartRecord(1, 6000.0, 10, 60, "1"),       MakeChartRecord(2, 6000.0, 10, 60, "7"),
        MakeChartRecord(3, 6000.0, 1435, 60, "7"),     MakeChartRecord(4, 6000.0, 1435, 60, "1"),
        MakeChartRecord(5, 6000.0, 10, 60, "       "),
    };
    EXPECT_EQ(Ids(records, At(23, 50, 7), 30), (std::vector<std::pair<int, int>>{{3, 5}, {1, 20}, {5, 20}}));
}

}  // namespace
}  // namespace zofar
