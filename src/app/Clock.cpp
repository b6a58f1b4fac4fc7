#include "app/Clock.h"

#include <ctime>

namespace zofar {

UtcTime SystemClock::NowUtc() const {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    UtcTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    t.weekday = tm.tm_wday == 0 ? 7 : tm.tm_wday;
    return t;
}

}  // namespace zofar
