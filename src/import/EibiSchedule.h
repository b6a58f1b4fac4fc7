#pragma once

#include <string_view>

#include "store/BroadcastRecord.h"

namespace zofar {

/// The season an EiBi file name tells: 'A' (summer) for "sked-a26.csv", 'B' (winter) for
/// "sked-b25.csv", in any letter case and with any folder before it; 0 when it tells none.
char EibiSeasonOfFileName(std::string_view path);

/// When a line's entry runs, in the record's extension fields and DAYS:
/// - `days` as EiBi wrote it goes to DAYSTEXT; DAYS gets the weekday digits ("" for daily),
///   with MONTHWEEK "1".."5" for "1.Sa".."5.Sa" and "L" for "Last7";
/// - a day written as a date ("24Dec") is valid on that day only, every weekday;
/// - "USB"/"LSB" name a sideband, not days: daily;
/// - every other form ("irr", "alt", "test", "MF-15", "1WeFr", ...) is irregular: kept, never on
///   the air by the rule;
/// - persistence 8 is inactive; 4 (winter only) in a summer file and 5 (summer only) in a winter
///   file is off season (`season` 'A', 'B' or 0 when unknown); 90 added means the same;
/// - persistence 6 with the start and stop dates DDMM gives the validity; a stop entry may
///   carry "[MMYY]", the month of the latest log, which is information (LASTLOG), never a date.
void SetEibiSchedule(BroadcastRecord& record, std::string_view days, std::string_view persistence,
                     std::string_view startDate, std::string_view stopDate, char season);

}  // namespace zofar
