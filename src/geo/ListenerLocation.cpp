#include "geo/ListenerLocation.h"

#include <charconv>
#include <cmath>

#include "base/TextRules.h"

namespace zofar {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<double> ReadDegrees(std::string_view text, double limit) {
    std::string number(Trimmed(text));
    double value = 0.0;
    // ParseNumberText takes an empty text as 0; an empty field here means no position at all.
    if (number.empty() || !ParseNumberText(number, value) || std::fabs(value) > limit) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ReadDecimalLatitude(std::string_view text) { return ReadDegrees(text, 90.0); }

std::optional<double> ReadDecimalLongitude(std::string_view text) { return ReadDegrees(text, 180.0); }

LocationReading ReadDecimalLocation(std::string_view latitude, std::string_view longitude) {
    const auto lat = ReadDecimalLatitude(latitude);
    if (!lat) {
        return {std::nullopt, "The latitude \"" + std::string(latitude) +
                                  "\" is not a number of degrees from -90 to 90 (north positive), such as 52.52."};
    }
    const auto lon = ReadDecimalLongitude(longitude);
    if (!lon) {
        return {std::nullopt, "The longitude \"" + std::string(longitude) +
                                  "\" is not a number of degrees from -180 to 180 (east positive), such as 13.38."};
    }
    return {ListenerLocation{*lat, *lon}, {}};
}

std::string FormatDecimalDegrees(double degrees) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, degrees, std::chars_format::fixed, 6);
    std::string text(buffer, result.ptr);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    return text;
}

}  // namespace zofar
