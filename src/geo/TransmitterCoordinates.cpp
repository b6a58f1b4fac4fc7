#include "geo/TransmitterCoordinates.h"

#include <cstddef>

namespace zofar {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// "<degrees><hemisphere>[ ][<minutes>]" with blanks around it; `positive` and `negative` are
// the upper-case hemisphere letters. Called for every row a query sorts by distance, so it
// reads the text in one pass without allocating.
std::optional<double> ReadAngle(std::string_view s, char positive, char negative, int maxDegrees) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && IsBlank(s[i])) ++i;
    int degrees = 0;
    std::size_t digits = 0;
    for (; i < n && IsDigit(s[i]); ++i, ++digits) {
        if (digits == 3) return std::nullopt;
        degrees = degrees * 10 + (s[i] - '0');
    }
    if (digits == 0 || i == n) return std::nullopt;
    const char letter = (s[i] >= 'a' && s[i] <= 'z') ? static_cast<char>(s[i] - 'a' + 'A') : s[i];
    if (letter != positive && letter != negative) return std::nullopt;
    ++i;
    if (i + 1 < n && s[i] == ' ' && IsDigit(s[i + 1])) ++i;
    int minutes = 0;
    digits = 0;
    for (; i < n && IsDigit(s[i]); ++i, ++digits) {
        if (digits == 2) return std::nullopt;
        minutes = minutes * 10 + (s[i] - '0');
    }
    while (i < n && IsBlank(s[i])) ++i;
    if (i != n || minutes > 59 || degrees > maxDegrees || (degrees == maxDegrees && minutes > 0)) return std::nullopt;
    const double angle = degrees + minutes / 60.0;
    return letter == positive ? angle : -angle;
}

}  // namespace

std::optional<double> ReadLatitudeText(std::string_view text) { return ReadAngle(text, 'N', 'S', 90); }

std::optional<double> ReadLongitudeText(std::string_view text) { return ReadAngle(text, 'E', 'W', 180); }

std::optional<TransmitterCoordinates> ReadTransmitterCoordinates(std::string_view lati, std::string_view longi) {
    const auto latitude = ReadLatitudeText(lati);
    if (!latitude) return std::nullopt;
    const auto longitude = ReadLongitudeText(longi);
    if (!longitude) return std::nullopt;
    return TransmitterCoordinates{*latitude, *longitude};
}

}  // namespace zofar
