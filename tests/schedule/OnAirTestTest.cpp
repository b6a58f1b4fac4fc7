#include <gtest/gtest.h>

#include <string>

#include "schedule/OnAirTest.h"

namespace zofar {
namespace {

FieldValue Text(const char* s) { return std::string(s); }

constexpr int kWednesday = 3;
constexpr int kTuesday = 2;

bool OnAirAt(int hour, int minute, const FieldValue& start, const FieldValue& end,
             const FieldValue& days = FieldValue{}, int weekday = kWednesday) {
    return OnAirTest(hour * 60 + minute, weekday).IsOnAir(start, end, days);
}

TEST(OnAirTest, transmissionOverMidnightIsOnAirFromStartUntilBeforeEnd) {
    EXPECT_TRUE(OnAirAt(23, 30, Text("22:00"), Text("02:00")));
    EXPECT_TRUE(OnAirAt(1, 59, Text("22:00"), Text("02:00")));
    EXPECT_TRUE(OnAirAt(22, 0, Text("22:00"), Text("02:00")));
    EXPECT_TRUE(OnAirAt(0, 0, Text("22:00"), Text("02:00")));
    EXPECT_FALSE(OnAirAt(2, 0, Text("22:00"), Text("02:00")));
    EXPECT_FALSE(OnAirAt(21, 59, Text("22:00"), Text("02:00")));
}

TEST(OnAirTest, daytimeTransmissionIncludesStartAndExcludesEnd) {
    EXPECT_TRUE(OnAirAt(6, 0, Text("06:00"), Text("06:30")));
    EXPECT_TRUE(OnAirAt(6, 29, Text("06:00"), Text("06:30")));
    EXPECT_FALSE(OnAirAt(6, 30, Text("06:00"), Text("06:30")));
    EXPECT_FALSE(OnAirAt(5, 59, Text("06:00"), Text("06:30")));
}

TEST(OnAirTest, startEqualToEndIsNeverOnAir) {
    for (int h : {0, 12, 23}) EXPECT_FALSE(OnAirAt(h, 0, Text("12:00"), Text("12:00"))) << h;
    EXPECT_FALSE(OnAirAt(0, 0, Text("00:00"), Text("00:00")));
}

TEST(OnAirTest, timesThatDoNotReadAreNeverOnAir) {
    EXPECT_FALSE(OnAirAt(3, 0, Text("2:00"), Text("04:00")));
    EXPECT_FALSE(OnAirAt(3, 0, Text("02:00"), Text("4:00")));
    EXPECT_FALSE(OnAirAt(3, 0, Text("02:0x"), Text("04:00")));
    EXPECT_FALSE(OnAirAt(3, 0, Text("02:"), Text("04:00")));
    EXPECT_FALSE(OnAirAt(3, 0, Text(""), Text("04:00")));
    EXPECT_FALSE(OnAirAt(3, 0, FieldValue{}, Text("04:00")));
    EXPECT_FALSE(OnAirAt(3, 0, Text("02:00"), FieldValue{}));
    EXPECT_FALSE(OnAirAt(3, 0, FieldValue{6070.0}, Text("04:00")));
}

TEST(OnAirTest, separatorIsNotExamined) { EXPECT_TRUE(OnAirAt(3, 0, Text("02.00"), Text("04 00"))); }

TEST(OnAirTest, daysListRunsOnlyOnItsWeekdays) {
    EXPECT_TRUE(OnAirAt(3, 0, Text("02:00"), Text("04:00"), Text("1 3 5"), kWednesday));
    EXPECT_FALSE(OnAirAt(3, 0, Text("02:00"), Text("04:00"), Text("1 3 5"), kTuesday));
    EXPECT_FALSE(OnAirAt(5, 0, Text("02:00"), Text("04:00"), Text("1 3 5"), kWednesday));
    EXPECT_TRUE(OnAirAt(3, 0, Text("02:00"), Text("04:00"), Text("7"), 7));
}

TEST(OnAirTest, blankEmptyOrNullDaysMeanEveryDay) {
    for (int day = 1; day <= 7; ++day) {
        EXPECT_TRUE(OnAirAt(3, 0, Text("02:00"), Text("04:00"), Text("   "), day)) << day;
        EXPECT_TRUE(OnAirAt(3, 0, Text("02:00"), Text("04:00"), Text(""), day)) << day;
        EXPECT_TRUE(OnAirAt(3, 0, Text("02:00"), Text("04:00"), FieldValue{}, day)) << day;
    }
}

TEST(OnAirTest, sampledUtcTimeGivesMinuteOfDayAndWeekday) {
    UtcTime t;
    t.hour = 23;
    t.minute = 30;
    t.weekday = 6;
    const OnAirTest test = OnAirTest::At(t);
    EXPECT_EQ(test.MinuteOfDay(), 23 * 60 + 30);
    EXPECT_EQ(test.Weekday(), 6);
    EXPECT_TRUE(test.IsOnAir(Text("22:00"), Text("02:00"), Text("6")));
    EXPECT_FALSE(test.IsOnAir(Text("22:00"), Text("02:00"), Text("5")));
}

}  // namespace
}  // namespace zofar
