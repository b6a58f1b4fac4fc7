#pragma once

#include <string>

#include "chart/ChartRecord.h"

namespace zofar::test {

/// A chart record from the fields the chart tests vary; times as minutes of the day.
inline ChartRecord MakeChartRecord(int id, double khz, int start, int end, std::string days = {},
                                   std::string language = {}, bool onAir = false) {
    ChartRecord r;
    r.id = id;
    r.freqKhz = khz;
    r.startMinute = start;
    r.endMinute = end;
    r.station = "Station " + std::to_string(id);
    r.days = std::move(days);
    r.language = std::move(language);
    r.onAirNow = onAir;
    return r;
}

}  // namespace zofar::test
