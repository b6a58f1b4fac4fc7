#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zofar {

/// Where the listener is: geodetic latitude and longitude in degrees (north and east positive),
/// latitude -90..90, longitude -180..180.
struct ListenerLocation {
    double latitude = 0.0;
    double longitude = 0.0;

    friend bool operator==(const ListenerLocation&, const ListenerLocation&) = default;
};

/// The location as the user gave it: the locator as typed (empty when it was given in degrees)
/// and the location it stands for (nothing when none is set).
struct LocationSetting {
    std::string locator;
    std::optional<ListenerLocation> location;

    friend bool operator==(const LocationSetting&, const LocationSetting&) = default;
};

/// A listener location read from the user's text, or the message that says why it does not read.
struct LocationReading {
    std::optional<ListenerLocation> location;
    std::string message;  ///< empty when `location` is set
};

/// A latitude in decimal degrees, -90 to 90, written with a point or a comma, blanks around it
/// allowed ("52.52", " -33,9 "). Nothing for any other text, the empty one included.
std::optional<double> ReadDecimalLatitude(std::string_view text);

/// A longitude in decimal degrees, -180 to 180, read as ReadDecimalLatitude reads.
std::optional<double> ReadDecimalLongitude(std::string_view text);

/// Both decimal fields; the message names the first one that does not read.
LocationReading ReadDecimalLocation(std::string_view latitude, std::string_view longitude);

/// Degrees as the settings file and the dialog show them: at most six decimals (about 0.1 m),
/// no trailing zeros, always with a point whatever the process locale ("52.520833", "-0.5", "13").
std::string FormatDecimalDegrees(double degrees);

}  // namespace zofar
