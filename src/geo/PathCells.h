#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geo/ListenerLocation.h"

namespace zofar {

/// A record's distance and bearing cells, as the SQL functions compute them.
struct PathCellTexts {
    std::string distance;  ///< whole kilometres, "" when there is no location or LATI/LONGI do not read
    std::string bearing;   ///< whole degrees 0 to 359, "" likewise and at the listener's own point
};

PathCellTexts PathCells(const std::optional<ListenerLocation>& listener, std::string_view lati, std::string_view longi);

/// "*" when the listener lies in the beam of the record's antenna (AZI), "" otherwise.
std::string InBeamCell(const std::optional<ListenerLocation>& listener, std::string_view lati, std::string_view longi,
                       std::string_view azi);

}  // namespace zofar
