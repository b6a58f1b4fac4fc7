// The on-air rule of dated entries, in its two forms: they agree on a grid of entries and
// moments, and the moments a listener would check by hand come out right.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "schedule/OnAirCondition.h"
#include "schedule/OnAirTest.h"
#include "store/RecordStore.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

using namespace zofar;
using namespace zofar::test;

namespace {

struct Entry {
    const char* start;
    const char* end;
    const char* days;
    const char* from;
    const char* to;
    const char* regularity;
    const char* monthWeek;
};

// Every combination of these parts is one record, numbered in this order from 1.
const std::vector<std::pair<const char*, const char*>> kTimes = {{"10:00", "11:00"}, {"23:00", "01:00"}, {"06:00", "06:00"}};
const std::vector<const char*> kDays = {nullptr, "2", "34"};
const std::vector<std::pair<const char*, const char*>> kValidity = {
    {nullptr, nullptr}, {"12-08", "12-24"}, {"12-24", "01-05"}, {"12-09", "12-09"}, {"01-01", "01-01"}};
const std::vector<const char*> kRegularity = {nullptr, "I"};
const std::vector<const char*> kMonthWeek = {nullptr, "2", "L"};

class DatedOnAirTest : public ::testing::Test {
protected:
    void SetUp() override {
        RecordStore maker(reporter);
        ASSERT_TRUE(maker.CreateDatabaseFile(path, "D", true) && maker.BeginImport());
        for (const auto& [start, end] : kTimes)
            for (const char* days : kDays)
                for (const auto& [from, to] : kValidity)
                    for (const char* regularity : kRegularity)
                        for (const char* week : kMonthWeek) {
                            BroadcastRecord r;
                            r.freq = 6000;
                            r.SetText(11, start);
                            r.SetText(12, end);
                            if (days) r.SetText(13, days);
                            if (from) r.SetExtension(kValidFromField, from);
                            if (to) r.SetExtension(kValidToField, to);
                            if (regularity) r.SetExtension(kRegularityField, regularity);
                            if (week) r.SetExtension(kMonthWeekField, week);
                            ASSERT_TRUE(maker.AddRecord(r));
                        }
        ASSERT_TRUE(maker.CommitImport());
        ASSERT_TRUE(store.OpenBrowseSet(path, "D", BuildSelectText(), "UNIQUEID", ""));
    }
    std::vector<int64_t> Selected(const std::string& condition) {
        std::vector<int64_t> ids;
        EXPECT_TRUE(store.ReadSelection(condition, "UNIQUEID", [&](const RowValues& r) {
            ids.push_back(std::get<int64_t>(r[kUniqueIdField]));
            return true;
        }));
        return ids;
    }
    std::vector<int64_t> Marked(const UtcTime& t) {
        const OnAirTest test = OnAirTest::At(t);
        std::vector<int64_t> ids;
        EXPECT_TRUE(store.ReadSelection("", "UNIQUEID", [&](const RowValues& r) {
            if (test.IsOnAirDated(r[10], r[11], r[12], r[kValidFromField], r[kValidToField], r[kRegularityField],
                                  r[kMonthWeekField]))
                ids.push_back(std::get<int64_t>(r[kUniqueIdField]));
            return true;
        }));
        return ids;
    }
    std::string NowCondition(const UtcTime& t) {
        char hhmm[8];
        std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", t.hour, t.minute);
        return DatedOnAirCondition(hhmm, true, ScheduleDay::Of(t), ScheduleDay::Before(t));
    }
    // The record number of one combination.
    static int64_t Id(int time, int days, int validity, int regularity, int week) {
        return 1 + (((time * static_cast<int>(kDays.size()) + days) * static_cast<int>(kValidity.size()) + validity) *
                        static_cast<int>(kRegularity.size()) +
                    regularity) *
                       static_cast<int>(kMonthWeek.size()) +
               week;
    }

    TempDir dir;
    std::string path = dir.file("D.mdb");
    RecordingReporter reporter;
    RecordStore store{reporter};
};

bool Has(const std::vector<int64_t>& ids, int64_t id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

}  // namespace

TEST_F(DatedOnAirTest, theConditionAndTheMarkerAgreeOnEveryEntryAndMoment) {
    const UtcTime moments[] = {
        {2026, 12, 8, 10, 30, 0, 2},  // second Tuesday
        {2026, 12, 9, 0, 30, 0, 3},   // after midnight: the start day was the 8th
        {2026, 12, 24, 23, 30, 0, 4},  {2026, 12, 25, 0, 0, 0, 5},  {2026, 12, 29, 10, 0, 0, 2},  // last Tuesday
        {2027, 1, 1, 0, 59, 0, 5},    // started on the last Thursday of December
        {2027, 1, 1, 10, 59, 0, 5},   {2027, 1, 6, 0, 30, 0, 3}, {2026, 3, 1, 0, 30, 0, 7},
    };
    for (const UtcTime& t : moments) {
        SCOPED_TRACE(std::to_string(t.month) + "-" + std::to_string(t.day) + " " + std::to_string(t.hour) + ":" +
                     std::to_string(t.minute));
        const auto marked = Marked(t);
        EXPECT_EQ(Selected(NowCondition(t)), marked);
        EXPECT_FALSE(marked.empty());
    }
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(DatedOnAirTest, datesWeeksAndRegularityDecideAsAListenerWould) {
    const UtcTime secondTuesdayMorning{2026, 12, 8, 10, 30, 0, 2};
    const auto atTen = Marked(secondTuesdayMorning);
    EXPECT_TRUE(Has(atTen, Id(0, 0, 0, 0, 0)));   // every day, always valid
    EXPECT_TRUE(Has(atTen, Id(0, 1, 1, 0, 1)));   // Tuesdays, 8-24 Dec, second week
    EXPECT_FALSE(Has(atTen, Id(0, 0, 0, 1, 0)));  // inactive
    EXPECT_FALSE(Has(atTen, Id(0, 0, 3, 0, 0)));  // only on 9 Dec
    EXPECT_FALSE(Has(atTen, Id(0, 0, 0, 0, 2)));  // last week only
    EXPECT_FALSE(Has(atTen, Id(0, 2, 0, 0, 0)));  // Wednesdays and Thursdays

    // 00:30 on the 9th: a transmission that started at 23:00 on the 8th still runs, as one
    // valid only on the 8th would; one valid only from the 9th has not started yet.
    const auto afterMidnight = Marked({2026, 12, 9, 0, 30, 0, 3});
    EXPECT_TRUE(Has(afterMidnight, Id(1, 1, 0, 0, 0)));   // Tuesdays: started on Tuesday
    EXPECT_FALSE(Has(afterMidnight, Id(1, 2, 0, 0, 0)));  // Wednesdays: started on Tuesday
    EXPECT_FALSE(Has(afterMidnight, Id(1, 0, 3, 0, 0)));  // valid 9 Dec only: starts that evening

    // A range over the new year, and its last day's transmission running into the next day.
    EXPECT_TRUE(Has(Marked({2027, 1, 1, 10, 30, 0, 5}), Id(0, 0, 2, 0, 0)));
    EXPECT_TRUE(Has(Marked({2027, 1, 6, 0, 30, 0, 3}), Id(1, 0, 2, 0, 0)));
    EXPECT_FALSE(Has(Marked({2027, 1, 6, 10, 30, 0, 3}), Id(0, 0, 2, 0, 0)));
    // A start equal to its end is never on the air.
    EXPECT_FALSE(Has(Marked({2026, 12, 8, 6, 0, 0, 2}), Id(2, 0, 0, 0, 0)));
}
