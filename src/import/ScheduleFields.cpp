#include "import/ScheduleFields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "base/TextEncoding.h"
#include "store/ColumnTable.h"

namespace zofar {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int TwoDigits(std::string_view text) { return (text[0] - '0') * 10 + (text[1] - '0'); }

bool AllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view FixedField(std::string_view line, std::size_t first, std::size_t last) {
    if (first == 0 || first > line.size() || last < first) return {};
    return line.substr(first - 1, last - first + 1);
}

std::optional<double> ReadKilohertz(std::string_view text) {
    if (text.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value <= 0.0)
        return std::nullopt;
    return value;
}

std::optional<std::string> ReadHhmm(std::string_view hhmm) {
    if (hhmm.size() != 4 || !AllDigits(hhmm)) return std::nullopt;
    const int hours = TwoDigits(hhmm);
    const int minutes = TwoDigits(hhmm.substr(2));
    if (minutes > 59 || hours > 24 || (hours == 24 && minutes != 0)) return std::nullopt;
    std::string time(hhmm.substr(0, 2));
    time.append(":").append(hhmm.substr(2, 2));
    return time;
}

std::optional<std::string> SundayFirstDays(std::string_view days) {
    std::array<bool, 8> on{};  // by the list's digit 1..7
    for (const char c : days) {
        if (c == ' ' || c == '.' || c == '-') continue;
        if (c < '1' || c > '7') return std::nullopt;
        const int sundayFirst = c - '0';
        on[static_cast<std::size_t>(sundayFirst == 1 ? 7 : sundayFirst - 1)] = true;
    }
    std::string digits;
    for (int d = 1; d <= 7; ++d) {
        if (on[static_cast<std::size_t>(d)]) digits += static_cast<char>('0' + d);
    }
    return digits;
}

std::optional<std::string> ValidityDay(std::string_view ddmmyy) {
    if (ddmmyy.size() != 6 || !AllDigits(ddmmyy)) return std::nullopt;
    static constexpr std::array<int, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int day = TwoDigits(ddmmyy);
    const int month = TwoDigits(ddmmyy.substr(2));
    if (month < 1 || month > 12 || day < 1 || day > kDaysInMonth[static_cast<std::size_t>(month - 1)])
        return std::nullopt;
    std::string text(ddmmyy.substr(2, 2));
    text.append("-").append(ddmmyy.substr(0, 2));
    return text;
}

std::string FitColumn(int column, std::string_view text) {
    return std::string(Utf8Prefix(text, static_cast<std::size_t>(kColumnTable[static_cast<std::size_t>(column)].size)));
}

std::string FitField(int field, std::string_view text) {
    return std::string(Utf8Prefix(text, static_cast<std::size_t>(FieldColumn(field).size)));
}

}  // namespace zofar
