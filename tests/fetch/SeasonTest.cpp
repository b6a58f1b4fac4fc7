#include <gtest/gtest.h>

#include "fetch/Season.h"

namespace zofar {
namespace {

TEST(Season, lastSundaysOfMarchAndOctoberOfSeveralYears) {
    struct Case {
        int year, march, october;
    };
    for (const Case c : {Case{2024, 31, 27}, Case{2025, 30, 26}, Case{2026, 29, 25}, Case{2027, 28, 31},
                         Case{2028, 26, 29}, Case{2000, 26, 29}}) {
        EXPECT_EQ(LastSundayOf(c.year, 3), c.march) << c.year;
        EXPECT_EQ(LastSundayOf(c.year, 10), c.october) << c.year;
    }
    EXPECT_EQ(LastSundayOf(2024, 2), 25);  // a leap February
}

TEST(Season, aDateBelongsToTheSeasonWhoseLastSundayItFollows) {
    struct Case {
        int year, month, day;
        const char* season;
    };
    for (const Case c :
         {Case{2026, 3, 28, "b25"}, Case{2026, 3, 29, "a26"}, Case{2026, 10, 24, "a26"}, Case{2026, 10, 25, "b26"},
          Case{2026, 12, 31, "b26"}, Case{2027, 1, 15, "b26"}, Case{2027, 3, 27, "b26"}, Case{2027, 3, 28, "a27"},
          Case{2027, 10, 30, "a27"}, Case{2027, 10, 31, "b27"}, Case{2026, 1, 1, "b25"}}) {
        UtcTime t;
        t.year = c.year;
        t.month = c.month;
        t.day = c.day;
        t.hour = 0;
        EXPECT_EQ(SeasonCode(SeasonOf(t)), c.season) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(Season, userInputIsALetterAAndBAndTwoDigits) {
    EXPECT_EQ(ParseSeason("a26"), (Season{'a', 2026}));
    EXPECT_EQ(ParseSeason("B25"), (Season{'b', 2025}));
    EXPECT_EQ(ParseSeason("b00"), (Season{'b', 2000}));
    for (const char* bad : {"", "a2", "a266", "c26", "a2x", " a26", "26a", "aa6"})
        EXPECT_FALSE(ParseSeason(bad)) << bad;
    EXPECT_EQ(SeasonCode({'b', 2026}), "b26");
    EXPECT_EQ(SeasonLabel({'b', 2026}), "B26");
    EXPECT_LT((Season{'b', 2025}), (Season{'a', 2026}));
    EXPECT_LT((Season{'a', 2026}), (Season{'b', 2026}));
}

TEST(Season, epochOfAUtcTimeIsTheInverseOfTheClocksBreakdown) {
    for (long long seconds : {0LL, 951782400LL, 1774742400LL, 4102444799LL}) {
        EXPECT_EQ(EpochOfUtc(UtcTimeFromEpoch(seconds)), seconds);
    }
}

}  // namespace
}  // namespace zofar
