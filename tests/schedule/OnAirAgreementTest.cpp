// The on-air rule has two forms, the selection's condition and the list's marker; on every
// record of a grid of times and days, at every sampled minute, they must agree.
#include <gtest/gtest.h>

#include <cstdio>
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

std::string Hhmm(int minutes) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60 % 24, minutes % 60);
    return text;
}

}  // namespace

TEST(OnAirAgreement, theConditionSelectsExactlyTheRowsTheMarkerMarks) {
    const std::vector<int> times = {0, 59, 60, 600, 719, 720, 1320, 1380, 1439};
    const std::vector<const char*> days = {nullptr, "", "1", "67", "1234567", "35"};
    std::vector<Row> rows;
    for (const int start : times) {
        for (const int end : times) {
            for (const char* d : days) rows.emplace_back(1000 + rows.size(), "S", Hhmm(start), Hhmm(end), d);
        }
    }
    rows.emplace_back(1.0, "odd", "..:..", "..:..");
    TempDir dir;
    RecordingReporter reporter;
    ASSERT_TRUE(CreateDatabase(dir.file("G.mdb"), rows, reporter));
    RecordStore store(reporter);
    ASSERT_TRUE(store.OpenBrowseSet(dir.file("G.mdb"), "G", BuildSelectText(), "UNIQUEID", ""));

    for (const int minute : {0, 1, 59, 60, 61, 659, 719, 720, 1319, 1320, 1438, 1439}) {
        for (const int weekday : {1, 3, 6}) {
            const OnAirTest marker(minute, weekday);
            std::vector<int64_t> marked;
            ASSERT_TRUE(store.ReadSelection("", "UNIQUEID", [&](const RowValues& r) {
                if (marker.IsOnAir(r[10], r[11], r[12])) marked.push_back(std::get<int64_t>(r[kUniqueIdField]));
                return true;
            }));
            std::vector<int64_t> selected;
            ASSERT_TRUE(store.ReadSelection(OnAirCondition(Hhmm(minute), true, weekday), "UNIQUEID",
                                            [&](const RowValues& r) {
                                                selected.push_back(std::get<int64_t>(r[kUniqueIdField]));
                                                return true;
                                            }));
            EXPECT_EQ(selected, marked) << Hhmm(minute) << " weekday " << weekday;
        }
    }
    EXPECT_TRUE(reporter.errors.empty());
}
