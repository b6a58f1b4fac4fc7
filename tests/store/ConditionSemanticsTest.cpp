#include <gtest/gtest.h>

#include <set>

#include "store/RecordStore.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

using namespace zofar;
using namespace zofar::test;

namespace {

// Rows on both sides of every boundary the program's condition texts draw. UNIQUEID = position + 1.
class ConditionSemanticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDatabase(
            dir.file("C.mdb"),
            {
                {5899.9, "Radio Nord", "14:05", "15:00", nullptr, "Norway", "E", "NOR"},              // 1
                {5900.0, "voice of hope", "22:00", "02:00", "", "Zambia", "E", "ZMB"},                // 2
                {6200.0, "Radio \u00D6sterreich", "02:00", "03:00", "1 3 5", "Austria", "G", "AUT"},  // 3
                {6200.1, "BBC", "21:59", "22:30", "7", "UK", "e", "G"},                               // 4
                {7000.0, "The Voice", "..:..", "..:..", "67", "Norway", "English", "NOR"},            // 5
                {7100.0, "Radio Alpha", "12:00", "12:00", nullptr, "Chile", "S", "CHL"},              // 6
                {7200.0, "Radio Beta", "14:00", "14:05", "1234567", "", "E", "D"},                    // 7
            },
            reporter));
        ASSERT_TRUE(store.OpenBrowseSet(dir.file("C.mdb"), "C", BuildSelectText(), "FREQ, STATION", ""));
    }
    std::set<int> Matching(const std::string& condition) {
        std::set<int> ids;
        if (!store.RequeryBrowseSet("FREQ, STATION", condition)) return ids;
        for (int r = 0; r < store.RecordCount(); ++r)
            ids.insert(static_cast<int>(std::get<int64_t>(store.GetFieldValue(r, kUniqueIdField))));
        return ids;
    }
    static std::string OnAir(const std::string& t, const std::string& dayPattern) {
        std::string s = "(((START < END AND START <= '" + t + "' AND END > '" + t +
                        "') OR (START > END AND NOT (END <= '" + t + "' AND START > '" + t + "')))";
        return s +
               (dayPattern.empty() ? ")" : " AND (DAYS IS NULL OR DAYS LIKE '' OR DAYS LIKE '" + dayPattern + "'))");
    }

    TempDir dir;
    RecordingReporter reporter;
    RecordStore store{reporter};
};

}  // namespace

TEST_F(ConditionSemanticsTest, frequencyRangeIncludesBothEnds) {
    EXPECT_EQ(Matching("(FREQ BETWEEN 5900.0 AND 6200.0)"), (std::set<int>{2, 3}));
}

TEST_F(ConditionSemanticsTest, workedExampleWithStationsCountryCodeAndTimeRangePastMidnight) {
    EXPECT_EQ(Matching("(FREQ BETWEEN 5000.0 AND 8000.0)   AND   (STATION LIKE '*Radio*' OR STATION LIKE '*Voice*')   "
                       "AND   (ITU LIKE 'NOR')   AND   ((START >= '22:00' OR START <= '02:00') AND START NOT LIKE "
                       "'..:..')"),
              (std::set<int>{}));
    // Past midnight: 22:00 and 02:00 themselves are inside, as the ends of a plain range are;
    // "..:.." is left out, 21:59 is outside.
    EXPECT_EQ(Matching("((START >= '22:00' OR START <= '02:00') AND START NOT LIKE '..:..')"), (std::set<int>{2, 3}));
    EXPECT_EQ(Matching("((START >= '21:58' OR START <= '02:00') AND START NOT LIKE '..:..')"),
              (std::set<int>{2, 3, 4}));
    EXPECT_EQ(Matching("(START BETWEEN '12:00' AND '14:05')"), (std::set<int>{1, 6, 7}));
    EXPECT_EQ(Matching("(START BETWEEN '00:00' AND '23:59')"), (std::set<int>{1, 2, 3, 4, 6, 7}));
}

TEST_F(ConditionSemanticsTest, onAirNowOnASundayAtTheBoundaryMinutes) {
    // At 14:05 the 14:00-14:05 transmission has ended and the 14:05 one has begun.
    EXPECT_EQ(Matching(OnAir("14:05", "*7*")), (std::set<int>{1}));
    // Wednesday 02:00: the 22:00-02:00 one is off, the 02:00 one (days 1 3 5) on.
    EXPECT_EQ(Matching(OnAir("02:00", "*3*")), (std::set<int>{3}));
    EXPECT_EQ(Matching(OnAir("01:59", "*2*")), (std::set<int>{2}));
    // Sunday 22:00: BBC (day 7) on; the 22:00 start is on; equal start and end never.
    EXPECT_EQ(Matching(OnAir("22:00", "*7*")), (std::set<int>{2, 4}));
    EXPECT_EQ(Matching(OnAir("12:00", "")), (std::set<int>{}));
    EXPECT_EQ(Matching(OnAir("21:59", "")), (std::set<int>{4}));
}

TEST_F(ConditionSemanticsTest, exactAndSubstringMatchesIgnoreCaseAndEmptyValuesMatchEmptyText) {
    EXPECT_EQ(Matching("(STATION LIKE '*voice*')"), (std::set<int>{2, 5}));
    EXPECT_EQ(Matching("(LANGUAGE LIKE 'E')"), (std::set<int>{1, 2, 4, 7}));
    EXPECT_EQ(Matching("COUNTRY LIKE ''   AND   (LANGUAGE LIKE 'E')"), (std::set<int>{7}));
    EXPECT_EQ(Matching("(STATION LIKE '*\u00F6sterreich*')"), (std::set<int>{3}));
    EXPECT_EQ(Matching("(DAYS LIKE '*3*')"), (std::set<int>{3, 7}));
    EXPECT_EQ(Matching("DAYS IS NULL"), (std::set<int>{1, 6}));
    EXPECT_EQ(Matching("DAYS LIKE ''"), (std::set<int>{2}));
}

TEST_F(ConditionSemanticsTest, orderingMixesCaseAndKeepsAccentsBesideTheirLetters) {
    ASSERT_TRUE(store.RequeryBrowseSet("STATION, FREQ", ""));
    std::vector<std::string> stations;
    for (int r = 0; r < store.RecordCount(); ++r) stations.push_back(TextOf(store.GetFieldValue(r, 1)));
    EXPECT_EQ(stations, (std::vector<std::string>{"BBC", "Radio Alpha", "Radio Beta", "Radio Nord",
                                                  "Radio \u00D6sterreich", "The Voice", "voice of hope"}));
}

TEST_F(ConditionSemanticsTest, aMalformedPatternIsAnEngineErrorThatKeepsTheRows) {
    EXPECT_EQ(Matching("(STATION LIKE '[abc')"), (std::set<int>{}));
    EXPECT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(store.RecordCount(), 7);
}
