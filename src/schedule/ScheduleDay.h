#pragma once

#include <string>

#include "base/Clock.h"

namespace zofar {

/// The calendar facts of one UTC day that decide whether a dated entry runs on it.
struct ScheduleDay {
    std::string monthDay;         ///< "12-08", as the validity fields hold days
    int weekday = 1;              ///< 1 = Monday ... 7 = Sunday
    char weekOfMonth = '1';       ///< '1' for days 1-7, '2' for 8-14, ... '5'
    bool lastOfMonth = false;     ///< the last such weekday of its month

    /// The day of `time`'s date. A date the calendar lacks gives the facts of its numbers.
    static ScheduleDay Of(const UtcTime& time);
    /// The day before `time`'s date: a transmission past midnight started then.
    static ScheduleDay Before(const UtcTime& time);
};

}  // namespace zofar
