#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "chart/ChartAxes.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartTestRecords.h"

namespace zofar {
namespace {

using test::MakeChartRecord;

// 1440 pixels across, one per minute; 300 pixels up, one per kHz of the 49 m band.
const ChartGeometry kBand49({100.0, 50.0, 1440.0, 300.0}, {5900.0, 6200.0});

std::vector<ChartBar> BarsOf(const ChartLayout& layout, size_t record) {
    std::vector<ChartBar> bars;
    for (const ChartBar& bar : layout.Bars()) {
        if (bar.record == record) bars.push_back(bar);
    }
    return bars;
}

TEST(ChartGeometry, mapsTimeAcrossAndFrequencyUpAndBack) {
    EXPECT_DOUBLE_EQ(kBand49.XOfMinute(0), 100.0);
    EXPECT_DOUBLE_EQ(kBand49.XOfMinute(1440), 1540.0);
    EXPECT_DOUBLE_EQ(kBand49.MinuteAtX(kBand49.XOfMinute(754)), 754.0);
    EXPECT_DOUBLE_EQ(kBand49.YOfFreq(5900.0), 350.0);
    EXPECT_DOUBLE_EQ(kBand49.YOfFreq(6200.0), 50.0);
    EXPECT_DOUBLE_EQ(kBand49.FreqAtY(kBand49.YOfFreq(6005.0)), 6005.0);
    UtcTime now;
    now.hour = 23;
    now.minute = 50;
    now.second = 30;
    EXPECT_DOUBLE_EQ(kBand49.NowLineX(now), 100.0 + 23 * 60 + 50.5);
}

TEST(ChartGeometry, spansWrapPastMidnightAndKeepTwentyFourHundredAndEqualEnds) {
    struct Case {
        int start, end;
        std::vector<std::pair<int, int>> spans;
    };
    const std::vector<Case> cases{
        {600, 660, {{600, 660}}},             // within the day
        {1380, 60, {{1380, 1440}, {0, 60}}},  // 23:00-01:00 wraps into two
        {1320, 0, {{1320, 1440}}},            // 22:00-00:00: nothing after midnight
        {0, 1440, {{0, 1440}}},               // 00:00-24:00: the whole day
        {1200, 1440, {{1200, 1440}}},         // 20:00-24:00 reaches the right edge
        {720, 720, {{720, 720}}},             // START equal END: a mark at START
    };
    for (const Case& c : cases) {
        const RecordSpans s = SpansOf(MakeChartRecord(1, 6000.0, c.start, c.end));
        std::vector<std::pair<int, int>> got;
        for (int i = 0; i < s.count; ++i)
            got.emplace_back(s.spans[static_cast<size_t>(i)].from, s.spans[static_cast<size_t>(i)].to);
        EXPECT_EQ(got, c.spans) << c.start << "-" << c.end;
    }
}

TEST(ChartLayout, placesBarsWhereTheGeometrySaysAndGivesAMarkAWidth) {
    const std::vector<ChartRecord> records{MakeChartRecord(1, 6000.0, 1380, 60), MakeChartRecord(2, 6100.0, 720, 720)};
    const ChartLayout layout(kBand49, records);

    auto wrapped = BarsOf(layout, 0);
    ASSERT_EQ(wrapped.size(), 2u);
    std::sort(wrapped.begin(), wrapped.end(), [](auto& a, auto& b) { return a.rect.left < b.rect.left; });
    EXPECT_DOUBLE_EQ(wrapped[0].rect.left, 100.0);
    EXPECT_DOUBLE_EQ(wrapped[0].rect.Right(), 160.0);
    EXPECT_DOUBLE_EQ(wrapped[1].rect.left, 1480.0);
    EXPECT_DOUBLE_EQ(wrapped[1].rect.Right(), 1540.0);
    const double y = kBand49.YOfFreq(6000.0);
    EXPECT_LT(wrapped[0].rect.top, y);
    EXPECT_GT(wrapped[0].rect.Bottom(), y);

    const auto mark = BarsOf(layout, 1);
    ASSERT_EQ(mark.size(), 1u);
    EXPECT_DOUBLE_EQ(mark[0].rect.width, ChartLayout::kMinBarWidth);
    EXPECT_LE(mark[0].rect.left, kBand49.XOfMinute(720));
}

TEST(ChartLayout, showsTheBandEdgesInsideThePlotAndNothingBeyond) {
    const std::vector<ChartRecord> records{MakeChartRecord(1, 5900.0, 0, 60), MakeChartRecord(2, 6200.0, 0, 60),
                                           MakeChartRecord(3, 5899.9, 0, 60), MakeChartRecord(4, 6200.1, 0, 60)};
    const ChartLayout layout(kBand49, records);
    std::set<size_t> shown;
    for (const ChartBar& bar : layout.Bars()) {
        shown.insert(bar.record);
        EXPECT_GE(bar.rect.top, kBand49.Plot().top);
        EXPECT_LE(bar.rect.Bottom(), kBand49.Plot().Bottom());
    }
    EXPECT_EQ(shown, (std::set<size_t>{0, 1}));
}

TEST(ChartLayout, overlappingBarsAtOneFrequencyGetLanesAndFollowersShareTheTopLane) {
    std::vector<ChartRecord> records;
    for (int i = 0; i < ChartLayout::kMaxLanes + 1; ++i)
        records.push_back(MakeChartRecord(i + 1, 6000.0, 600 + i, 700));
    records.push_back(MakeChartRecord(10, 6000.0, 700, 760));  // starts where the others end
    records.push_back(MakeChartRecord(11, 6000.3, 610, 620));  // less than a lane above: the same row
    const ChartLayout layout(kBand49, records);

    std::vector<int> lanes(records.size(), -1);
    for (const ChartBar& bar : layout.Bars()) lanes[bar.record] = bar.lane;
    EXPECT_EQ(lanes, (std::vector<int>{0, 1, 2, 3, 3, 0, 3}));
}

TEST(ChartLayout, aHitOnOverlappingBarsPicksTheSameRecordInAnyOrder) {
    // Five transmissions at one frequency and time: the fifth shares the top lane with the fourth.
    std::vector<ChartRecord> records;
    for (int id = 1; id <= 5; ++id) records.push_back(MakeChartRecord(id, 6000.0, 600, 700));
    const double topLaneY = kBand49.YOfFreq(6000.0) - 3 * ChartLayout::kLaneHeight;
    const double x = kBand49.XOfMinute(650);

    const ChartLayout forward(kBand49, records);
    std::reverse(records.begin(), records.end());
    const ChartLayout backward(kBand49, records);
    const auto a = forward.HitTest(x, topLaneY);
    const auto b = backward.HitTest(x, topLaneY);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(records[records.size() - 1 - *a].id, 5);
    EXPECT_EQ(records[*b].id, 5);

    EXPECT_EQ(records[records.size() - 1 - *forward.HitTest(x, kBand49.YOfFreq(6000.0))].id, 1) << "lane 0";
    EXPECT_FALSE(forward.HitTest(kBand49.XOfMinute(800), topLaneY));
    EXPECT_FALSE(forward.HitTest(x, kBand49.YOfFreq(6100.0)));
}

TEST(ChartGeometry, zoomKeepsTheFrequencyUnderTheMouseAndStaysInsideTheWholeRange) {
    const FreqRange in = kBand49.ZoomedAt(kBand49.YOfFreq(6000.0), 0.5);
    EXPECT_DOUBLE_EQ(in.highKhz - in.lowKhz, 150.0);
    EXPECT_NEAR(ChartGeometry(kBand49.Plot(), in).YOfFreq(6000.0), kBand49.YOfFreq(6000.0), 1e-9);

    const ChartGeometry all(kBand49.Plot(), ChartGeometry::kWholeRange);
    EXPECT_EQ(all.ZoomedAt(all.YOfFreq(100.0), 4.0), ChartGeometry::kWholeRange);
    EXPECT_DOUBLE_EQ(kBand49.ZoomedAt(200.0, 1e-6).highKhz - kBand49.ZoomedAt(200.0, 1e-6).lowKhz,
                     ChartGeometry::kNarrowestRangeKhz);

    const auto band = kBand49.RangeBetween(kBand49.YOfFreq(6100.0), kBand49.YOfFreq(6000.0));
    ASSERT_TRUE(band);
    EXPECT_NEAR(band->lowKhz, 6000.0, 1e-9);
    EXPECT_NEAR(band->highKhz, 6100.0, 1e-9);
    EXPECT_FALSE(kBand49.RangeBetween(100.0, 102.0));
}

TEST(ChartAxes, labelsTheHoursAndRoundFrequenciesWithRoomBetween) {
    const auto hours = TimeTicks(kBand49);
    ASSERT_EQ(hours.size(), 25u);
    EXPECT_EQ(hours.front().label, "00:00");
    EXPECT_EQ(hours.back().label, "24:00");
    EXPECT_DOUBLE_EQ(hours.back().position, kBand49.Plot().Right());

    const ChartGeometry narrow({0, 0, 400, 300}, {5900.0, 6200.0});
    const auto threeHourly = TimeTicks(narrow);
    EXPECT_EQ(threeHourly.size(), 9u) << "400 pixels: every 3 hours";

    const auto freqs = FreqTicks(kBand49);  // one pixel per kHz: every 50 kHz
    ASSERT_FALSE(freqs.empty());
    EXPECT_EQ(freqs.front().label, "5900");
    EXPECT_EQ(freqs[1].label, "5950");
    EXPECT_EQ(freqs.back().label, "6200");
    EXPECT_DOUBLE_EQ(freqs.front().position, kBand49.YOfFreq(5900.0));
}

}  // namespace
}  // namespace zofar
