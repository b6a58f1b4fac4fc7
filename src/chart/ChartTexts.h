#pragma once

#include <string>

#include "chart/ChartRecord.h"

namespace zofar {

/// A minute of the day as "hh:mm"; 1440 is "24:00".
std::string MinuteText(int minute);

/// The tooltip of a bar: the station, then "hh:mm-hh:mm UTC  <freq> kHz", then the language and
/// the target where the record has them, one per line.
std::string BarToolTipText(const ChartRecord& record);

/// The coming-up list's line for a record: "in 20 min  00:10  6005 kHz  Station", then the
/// language and target in brackets where the record has them: "  (English, NAm)".
std::string ComingUpText(const ChartRecord& record, int minutesLeft);

}  // namespace zofar
