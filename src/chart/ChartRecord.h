#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/RowCache.h"

namespace zofar {

class OnAirTest;

/// One transmission as the band chart and the coming-up panel see it.
struct ChartRecord {
    int id = -1;           ///< UNIQUEID
    double freqKhz = 0.0;  ///< FREQ, kHz
    int startMinute = 0;   ///< START as minutes since 00:00 UTC, 0..1439
    int endMinute = 0;     ///< END as minutes since 00:00 UTC, 0..1440 (1440 is "24:00")
    std::string station;
    std::string language;
    std::string target;      ///< TARGET, the list's target text
    std::string targetArea;  ///< TARGETAR, target-area codes each followed by a blank
    std::string days;        ///< DAYS digits, 1 = Monday; empty or blanks for every day
    bool onAirNow = false;
};

/// The record of one browse-set row (browse-set field order), or nothing when the row has no
/// frequency or START and END do not read as times of day: such a row has no place on a time
/// axis. START and END read as the list's on-air marker reads them; a START of "24:00" is
/// 00:00, and a time past 24:00 does not read. `onAir` decides the on-air-now flag.
std::optional<ChartRecord> ChartRecordFromRow(const RowValues& row, const OnAirTest& onAir, bool dated = false);

/// The target continent as one of the two-letter target-area codes NA, CA, SA, EU, AF, ME, AS,
/// AU, PA: the first code of the target area, else the target text's first two letters in
/// upper case when they are such a code; "" when neither says.
std::string_view TargetContinent(const ChartRecord& record);

}  // namespace zofar
