#include "base/Clock.h"

#include <ctime>

namespace zofar {

UtcTime UtcTimeFromEpoch(long long seconds) {
    const auto when = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&when, &tm);
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

UtcTime SystemClock::NowUtc() const { return UtcTimeFromEpoch(std::time(nullptr)); }

}  // namespace zofar
