#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"

namespace zofar {

/// A broadcasting season. A runs from the last Sunday of March to the day before the last Sunday
/// of October, B from the last Sunday of October to the day before the last Sunday of March of
/// the next year; a season is named after the year it starts in, so January 2027 is in B26.
struct Season {
    char half = 'a';  ///< 'a' or 'b'
    int year = 2000;  ///< the year the season starts in, four digits

    friend bool operator==(const Season&, const Season&) = default;
    /// Earlier seasons first: by year, then A before B.
    friend std::strong_ordering operator<=>(const Season& a, const Season& b) {
        if (const auto byYear = a.year <=> b.year; byYear != 0) return byYear;
        return a.half <=> b.half;
    }
};

/// A calendar day.
struct CalendarDay {
    int year = 1970, month = 1, day = 1;
    friend auto operator<=>(const CalendarDay&, const CalendarDay&) = default;
};

/// The day of month (1-31) of the last Sunday of `month` (1-12) in `year`.
int LastSundayOf(int year, int month);

/// The first day of `season`.
CalendarDay SeasonStart(const Season& season);

/// The season `now` (UTC) lies in; the season changes at 00:00 UTC of its first day.
Season SeasonOf(const UtcTime& now);

/// A season typed by the user or named in a file: "a26", "B25" (letter and two-digit year);
/// nothing for anything else.
std::optional<Season> ParseSeason(std::string_view text);

/// "b26": the form EiBi and Aoki use in their file names.
std::string SeasonCode(const Season& season);

/// "B26": the form HFCC writes and the database names use.
std::string SeasonLabel(const Season& season);

/// Seconds since 1970 of the UTC moment `t`.
long long EpochOfUtc(const UtcTime& t);

}  // namespace zofar
