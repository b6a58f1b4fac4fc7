#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "import/EibiCodeTables.h"
#include "store/BroadcastRecord.h"

namespace zofar {

/// The record of one line of an EiBi schedule (UTF-8, without its line end): fields separated
/// by ";" without quoting, missing fields empty. Nothing when the frequency does not read
/// completely as a number or the time is not "HHMM-HHMM". Without `codes` the columns filled
/// from the README (LANGUAGE, REGION, COUNTRY, LOCATION, LATI, LONGI) stay Null. Texts longer
/// than their column are cut to its size in characters. When the entry runs goes to the extension
/// fields (SetEibiSchedule), with `season` 'A', 'B' or 0 as the file name tells it.
std::optional<BroadcastRecord> ParseEibiLine(std::string_view line, const EibiCodeTables* codes, char season = 0);

/// The continents a target-area code covers, each two-letter code followed by a blank, in the
/// order NA CA SA EU AF ME AS AU PA: "Eu" gives "EU ", "Am" "NA CA SA ", "Glo" all nine; ""
/// for a code that covers none.
std::string EibiTargetAreas(std::string_view target);

/// The name of a target area: its own name, the name of the country it is the code of, or a
/// direction letter (C, E, N, S, W) before a code ("WAf": "West Africa"); the code itself when
/// none of these is known.
std::string EibiRegionName(const EibiCodeTables& codes, std::string_view target);

/// The transmitter site that a line's site remark names: "/CCC-x" site x of country CCC, "x"
/// (1 to 3 characters) site x of the station's country `itu`, "/CCC" or "" the first site of
/// that country. nullptr when the tables lack it.
const EibiSite* EibiTransmitterSite(const EibiCodeTables& codes, std::string_view remarks, std::string_view itu);

}  // namespace zofar
