#include "schedule/ScheduleDay.h"

#include <cstdio>

namespace zofar {

namespace {

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

ScheduleDay DayOf(int year, int month, int day, int weekday) {
    ScheduleDay d;
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d", month, day);
    d.monthDay = text;
    d.weekday = weekday;
    d.weekOfMonth = static_cast<char>('1' + (day - 1) / 7);
    d.lastOfMonth = day + 7 > DaysInMonth(year, month);
    return d;
}

}  // namespace

ScheduleDay ScheduleDay::Of(const UtcTime& t) { return DayOf(t.year, t.month, t.day, t.weekday); }

ScheduleDay ScheduleDay::Before(const UtcTime& t) {
    int year = t.year, month = t.month, day = t.day - 1;
    if (day < 1) {
        if (--month < 1) {
            month = 12;
            --year;
        }
        day = DaysInMonth(year, month);
    }
    return DayOf(year, month, day, t.weekday == 1 ? 7 : t.weekday - 1);
}

}  // namespace zofar
