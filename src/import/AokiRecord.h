#pragma once

#include <optional>
#include <string_view>

#include "import/AokiColumns.h"
#include "import/HfccCodeTables.h"
#include "store/BroadcastRecord.h"

namespace zofar {

/// The record of one data line of an Aoki (NDXC) list (UTF-8, without its line end), its
/// fields where `columns` says. Nothing when the frequency, the time ("HHMM-HHMM") or the days
/// do not read. COUNTRY is the name `countries` (nullptr: none) gives the ADM code; L/L
/// ("372221N1405056E") becomes LATI and LONGI in the list's form, seconds dropped. The days as
/// written go to the extension field.
std::optional<BroadcastRecord> ParseAokiLine(std::string_view line, const AokiColumns& columns,
                                             const HfccCodeTables* countries);

/// The position of an Aoki L/L field: latitude DDMM[SS] and N or S, longitude DDDMM[SS] and E
/// or W. Nothing when it does not read or is out of range.
struct AokiPosition {
    std::string latitude;   ///< "37N22"
    std::string longitude;  ///< "140E50"
};
std::optional<AokiPosition> ReadAokiPosition(std::string_view text);

/// Whether a text beginning with `head` is an Aoki list: one of its lines is an Aoki header.
bool IsAokiListHead(std::string_view head);

}  // namespace zofar
