#pragma once

#include <optional>
#include <string_view>

namespace zofar {

/// A transmitter site in degrees (north and east positive), read from a record's LATI and LONGI.
struct TransmitterCoordinates {
    double latitude = 0.0;
    double longitude = 0.0;
};

/// A LATI text: degrees, the hemisphere N or S, then minutes or nothing ("52N31", "5N07", "52N",
/// "52N 7"); blanks around it allowed, the hemisphere letter in either case. Nothing for any other
/// text, for degrees above 90, minutes above 59 and 90 degrees with minutes.
std::optional<double> ReadLatitudeText(std::string_view text);

/// A LONGI text: degrees (up to three digits), E or W, then minutes or nothing ("013E22",
/// "13E", "005W51"), read as ReadLatitudeText reads, degrees up to 180.
std::optional<double> ReadLongitudeText(std::string_view text);

/// Both texts; nothing when either does not read.
std::optional<TransmitterCoordinates> ReadTransmitterCoordinates(std::string_view lati, std::string_view longi);

}  // namespace zofar
