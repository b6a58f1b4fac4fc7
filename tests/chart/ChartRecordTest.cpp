#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/ChartColours.h"
#include "chart/ChartRecordReader.h"
#include "chart/ChartTestRecords.h"
#include "chart/ChartTexts.h"
#include "store/ColumnTable.h"
#include "store/RecordStore.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "schedule/OnAirTest.h"

namespace zofar {
namespace {

// A browse-set row with the fields the chart reads; Null elsewhere.
RowValues MakeRow(FieldValue freq, FieldValue start, FieldValue end, FieldValue days = {}) {
    RowValues row(kColumnCount);
    row[0] = std::move(freq);
    row[1] = std::string("Radio");
    row[10] = std::move(start);
    row[11] = std::move(end);
    row[12] = std::move(days);
    row[13] = std::string("English");
    row[14] = std::string("NAm");
    row[kUniqueIdField] = int64_t{42};
    return row;
}

TEST(ChartRecord, readsTimesAsTheOnAirMarkerDoesAndLeavesOutRowsWithoutAPlace) {
    struct Case {
        FieldValue freq, start, end;
        bool placed;
        int startMinute, endMinute;
    };
    const std::vector<Case> cases{
        {6005.0, std::string("22:00"), std::string("02:30"), true, 1320, 150},
        {6005.0, std::string("22.00"), std::string("24:00"), true, 1320, 1440},
        {6005.0, std::string("24:00"), std::string("01:00"), true, 0, 60},  // START 24:00 is midnight
        {6005.0, std::string("12:00"), std::string("12:00"), true, 720, 720},
        {6005.0, std::string("25:00"), std::string("26:00"), false, 0, 0},
        {6005.0, std::string("ab:cd"), std::string("12:00"), false, 0, 0},
        {6005.0, FieldValue{}, std::string("12:00"), false, 0, 0},
        {FieldValue{}, std::string("10:00"), std::string("12:00"), false, 0, 0},
    };
    const OnAirTest at2300(23 * 60, 1);
    for (const Case& c : cases) {
        const auto r = ChartRecordFromRow(MakeRow(c.freq, c.start, c.end), at2300);
        ASSERT_EQ(r.has_value(), c.placed) << TextOf(c.start) << "-" << TextOf(c.end);
        if (!r) continue;
        EXPECT_EQ(r->startMinute, c.startMinute);
        EXPECT_EQ(r->endMinute, c.endMinute);
        EXPECT_EQ(r->id, 42);
        EXPECT_EQ(r->language, "English");
    }
    EXPECT_TRUE(ChartRecordFromRow(MakeRow(6005.0, std::string("22:00"), std::string("02:30")), at2300)->onAirNow);
    EXPECT_FALSE(
        ChartRecordFromRow(MakeRow(6005.0, std::string("22:00"), std::string("02:30"), std::string("2")), at2300)
            ->onAirNow)
        << "Monday is not in DAYS 2";
    EXPECT_FALSE(ChartRecordFromRow(RowValues(3), at2300)) << "a short row";
}

TEST(ChartRecord, continentComesFromTheTargetAreaThenTheTargetsFirstLetters) {
    auto record = [](std::string targetArea, std::string target) {
        ChartRecord r;
        r.targetArea = std::move(targetArea);
        r.target = std::move(target);
        return r;
    };
    EXPECT_EQ(TargetContinent(record("EU AF ", "WAf")), "EU");
    EXPECT_EQ(TargetContinent(record("", "Eu")), "EU");
    EXPECT_EQ(TargetContinent(record("", "NAm")), "NA");
    EXPECT_EQ(TargetContinent(record("", "Xy")), "");
    EXPECT_EQ(TargetContinent(record("", "E")), "");
}

TEST(ChartColours, giveOneColourPerLanguageOrContinentAndGreyForNone) {
    auto withLanguage = [](std::string language) {
        return test::MakeChartRecord(1, 6000, 0, 60, "", std::move(language));
    };
    const Rgb english = BarColour(withLanguage("English"), ChartColouring::Language);
    EXPECT_EQ(BarColour(withLanguage("english "), ChartColouring::Language), english);
    EXPECT_NE(english, kNeutralBarColour);
    EXPECT_EQ(BarColour(withLanguage("  "), ChartColouring::Language), kNeutralBarColour);

    ChartRecord europe, america, nowhere;
    europe.target = "Eu";
    america.targetArea = "NA ";
    EXPECT_NE(BarColour(europe, ChartColouring::Target), BarColour(america, ChartColouring::Target));
    EXPECT_EQ(BarColour(nowhere, ChartColouring::Target), kNeutralBarColour);

    ChartRecord onAir = europe;
    onAir.onAirNow = true;
    EXPECT_NE(BarColour(onAir, ChartColouring::OnAirNow), BarColour(europe, ChartColouring::OnAirNow));
}

TEST(ChartTexts, nameStationTimesLanguageAndTarget) {
    ChartRecord r = test::MakeChartRecord(7, 6005.0, 1320, 1440, "", "English ");
    r.station = "Radio X   ";
    r.target = "NAm";
    EXPECT_EQ(BarToolTipText(r), "Radio X\n22:00-24:00 UTC  6005 kHz\nLanguage: English\nTarget: NAm");
    EXPECT_EQ(ComingUpText(r, 20), "in 20 min  22:00  6005 kHz  Radio X  (English, NAm)");
    r.language.clear();
    r.target.clear();
    r.freqKhz = 148.5;
    EXPECT_EQ(ComingUpText(r, 5), "in 5 min  22:00  148.5 kHz  Radio X");
}

TEST(ChartRecordReader, readsTheSelectionWithoutMovingTheListsCursor) {
    test::TempDir dir;
    test::RecordingReporter reporter;
    ASSERT_TRUE(test::CreateDatabase(dir.file("C.mdb"),
                                     {{5900.0, "Night", "23:00", "01:00"},
                                      {6005.0, "Unplaced", "xx", "01:00"},
                                      {9400.0, "Morning", "06:00", "07:00", "12345"},
                                      {15000.0, "Filtered out", "06:00", "07:00"}},
                                     reporter));
    RecordStore store(reporter);
    ASSERT_TRUE(store.OpenBrowseSet(dir.file("C.mdb"), "C", BuildSelectText(), BuildSortText("FREQ"), "FREQ < 10000"));
    store.SetCurrentPosition(1);

    UtcTime now;
    now.hour = 0;
    now.minute = 30;
    now.weekday = 1;
    const auto records = ReadChartRecords(store, now);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].station, "Night");
    EXPECT_TRUE((*records)[0].onAirNow);
    EXPECT_EQ((*records)[1].id, 3);
    EXPECT_EQ((*records)[1].days, "12345");
    EXPECT_FALSE((*records)[1].onAirNow);
    EXPECT_EQ(store.CurrentPosition(), 1);
    EXPECT_TRUE(reporter.errors.empty());
}

}  // namespace
}  // namespace zofar
