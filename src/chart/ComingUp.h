#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "base/Clock.h"
#include "chart/ChartRecord.h"

namespace zofar {

/// A record that starts soon.
struct ComingUpEntry {
    size_t record = 0;    ///< index into the records given
    int minutesLeft = 0;  ///< 1.. until its start
};

/// The records that start within the next `minutes` minutes after `now` (a start in the
/// current minute is on air, not coming up), soonest first, then by frequency and record id.
/// A start past midnight counts on the next day, so at 23:50 a start at 00:10 is 20 minutes
/// away, and a record whose DAYS leaves out the weekday on which it would start is not coming
/// up. `minutes` is cut to 0..1440.
std::vector<ComingUpEntry> ComingUp(std::span<const ChartRecord> records, const UtcTime& now, int minutes);

}  // namespace zofar
