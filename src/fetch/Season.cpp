#include "fetch/Season.h"

#include <cctype>

namespace zofar {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's days_from_civil).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

int LastSundayOf(int year, int month) {
    const int last = DaysInMonth(year, month);
    // 1970-01-01 was a Thursday: day 0 has weekday 4 (Monday 1 ... Sunday 7).
    const long long days = DaysFromCivil(year, month, last);
    const int weekday = static_cast<int>(((days + 3) % 7 + 7) % 7) + 1;
    return last - weekday % 7;
}

CalendarDay SeasonStart(const Season& season) {
    const int month = season.half == 'a' ? 3 : 10;
    return {season.year, month, LastSundayOf(season.year, month)};
}

Season SeasonOf(const UtcTime& now) {
    const CalendarDay today{now.year, now.month, now.day};
    if (today < SeasonStart({'a', now.year})) return {'b', now.year - 1};
    if (today < SeasonStart({'b', now.year})) return {'a', now.year};
    return {'b', now.year};
}

std::optional<Season> ParseSeason(std::string_view text) {
    if (text.size() != 3) return std::nullopt;
    const char half = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    if (half != 'a' && half != 'b') return std::nullopt;
    if (!std::isdigit(static_cast<unsigned char>(text[1])) || !std::isdigit(static_cast<unsigned char>(text[2])))
        return std::nullopt;
    return Season{half, 2000 + (text[1] - '0') * 10 + (text[2] - '0')};
}

std::string SeasonCode(const Season& season) {
    const int yy = ((season.year % 100) + 100) % 100;
    return std::string(1, season.half) + static_cast<char>('0' + yy / 10) + static_cast<char>('0' + yy % 10);
}

std::string SeasonLabel(const Season& season) {
    std::string code = SeasonCode(season);
    code[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(code[0])));
    return code;
}

long long EpochOfUtc(const UtcTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400LL + t.hour * 3600LL + t.minute * 60LL + t.second;
}

}  // namespace zofar
