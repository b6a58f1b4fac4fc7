#include "geo/MaidenheadLocator.h"

#include <cstddef>

namespace zofar {

namespace {

// The letter's index from 'A' when it lies within the first `count` letters, in either case.
std::optional<int> LetterIndex(char c, int count) {
    const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper < 'A' || upper >= 'A' + count) return std::nullopt;
    return upper - 'A';
}

std::optional<int> DigitIndex(char c) {
    if (c < '0' || c > '9') return std::nullopt;
    return c - '0';
}

}  // namespace

std::string NotALocatorMessage(std::string_view text) {
    return "The locator \"" + std::string(text) +
           "\" is not a Maidenhead locator of 4 or 6 characters, such as JO62qm.";
}

LocationReading ReadLocator(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    const LocationReading refused{std::nullopt, NotALocatorMessage(text)};
    if (s.size() != 4 && s.size() != 6) return refused;

    // Fields are 20 by 10 degrees (letters A-R), squares 2 by 1 degrees (digits), subsquares
    // 5 by 2.5 minutes (letters A-X).
    const auto fieldLon = LetterIndex(s[0], 18);
    const auto fieldLat = LetterIndex(s[1], 18);
    const auto squareLon = DigitIndex(s[2]);
    const auto squareLat = DigitIndex(s[3]);
    if (!fieldLon || !fieldLat || !squareLon || !squareLat) return refused;
    double longitude = -180.0 + *fieldLon * 20.0 + *squareLon * 2.0;
    double latitude = -90.0 + *fieldLat * 10.0 + *squareLat * 1.0;
    if (s.size() == 4) return {ListenerLocation{latitude + 0.5, longitude + 1.0}, {}};

    const auto subLon = LetterIndex(s[4], 24);
    const auto subLat = LetterIndex(s[5], 24);
    if (!subLon || !subLat) return refused;
    longitude += (*subLon + 0.5) * (5.0 / 60.0);
    latitude += (*subLat + 0.5) * (2.5 / 60.0);
    return {ListenerLocation{latitude, longitude}, {}};
}

}  // namespace zofar
