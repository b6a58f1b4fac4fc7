#pragma once

#include <optional>
#include <string_view>

#include "import/HfccCodeTables.h"
#include "store/BroadcastRecord.h"

namespace zofar {

/// The record of one data line of an HFCC schedule (code page 1252 bytes, without the line
/// end), its fields at fixed columns. Nothing when the frequency, a time or the days do not
/// read. The names come from `tables` (nullptr: none); a code the tables lack stands for its
/// name in STATION, LANGUAGE and LOCATION, and leaves COUNTRY, LATI and LONGI Null. The valid
/// dates and the days as written go to the extension fields.
std::optional<BroadcastRecord> ParseHfccLine(std::string_view line, const HfccCodeTables* tables);

/// Whether a text beginning with `head` is an HFCC schedule: its first line that is not blank
/// is a comment (";"), as in every schedule HFCC publishes.
bool IsHfccScheduleHead(std::string_view head);

}  // namespace zofar
