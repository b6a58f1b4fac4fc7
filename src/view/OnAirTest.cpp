#include "view/OnAirTest.h"

#include <optional>
#include <string>
#include <string_view>

namespace zofar {
namespace {

// Reads a piece the way strtol does when the caller insists the whole piece is consumed:
// leading white space and a sign are allowed, at least one digit is required.
std::optional<int> ReadWholeNumber(std::string_view piece) {
    size_t i = 0;
    while (i < piece.size() && (piece[i] == ' ' || (piece[i] >= '\t' && piece[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < piece.size() && (piece[i] == '+' || piece[i] == '-')) {
        negative = piece[i] == '-';
        ++i;
    }
    if (i == piece.size()) return std::nullopt;
    int value = 0;
    for (; i < piece.size(); ++i) {
        if (piece[i] < '0' || piece[i] > '9') return std::nullopt;
        value = value * 10 + (piece[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<int> ReadTimeOfDay(const FieldValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    if (text == nullptr) return std::nullopt;
    const std::string_view s = *text;
    const auto hour = ReadWholeNumber(s.substr(0, 2));
    const auto minute = ReadWholeNumber(s.size() > 3 ? s.substr(3, 2) : std::string_view{});
    if (!hour || !minute) return std::nullopt;
    return *hour * 60 + *minute;
}

bool RunsOnWeekday(const FieldValue& days, int weekday) {
    const auto* text = std::get_if<std::string>(&days);
    if (text == nullptr) return true;
    if (text->find_first_not_of(' ') == std::string::npos) return true;
    return weekday >= 1 && weekday <= 7 && text->find(static_cast<char>('0' + weekday)) != std::string::npos;
}

bool OnAirTest::IsOnAir(const FieldValue& start, const FieldValue& end, const FieldValue& days) const {
    const auto from = ReadTimeOfDay(start);
    if (!from) return false;
    const auto to = ReadTimeOfDay(end);
    if (!to) return false;
    if (!RunsOnWeekday(days, weekday_)) return false;
    if (*from < *to) return minuteOfDay_ >= *from && minuteOfDay_ < *to;
    if (*from > *to) return minuteOfDay_ < *to || minuteOfDay_ >= *from;
    return false;
}

}  // namespace zofar
