#include "schedule/OnAirTest.h"

#include "store/ColumnTable.h"

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

OnAirTest OnAirTest::At(const UtcTime& time) {
    OnAirTest test(time.hour * 60 + time.minute, time.weekday);
    test.today_ = ScheduleDay::Of(time);
    test.yesterday_ = ScheduleDay::Before(time);
    return test;
}

bool OnAirTest::IsOnAirDated(const FieldValue& start, const FieldValue& end, const FieldValue& days,
                             const FieldValue& validFrom, const FieldValue& validTo, const FieldValue& regularity,
                             const FieldValue& monthWeek) const {
    if (!today_ || !yesterday_ || !TextOf(regularity).empty()) return false;
    const auto from = ReadTimeOfDay(start);
    const auto to = ReadTimeOfDay(end);
    if (!from || !to || *from == *to) return false;
    const ScheduleDay* started = nullptr;
    if (*from < *to) {
        if (minuteOfDay_ >= *from && minuteOfDay_ < *to) started = &*today_;
    } else if (minuteOfDay_ >= *from) {
        started = &*today_;
    } else if (minuteOfDay_ < *to) {
        started = &*yesterday_;
    }
    if (!started) return false;
    const std::string& first = TextOf(validFrom);
    const std::string& last = TextOf(validTo);
    if (!IsNull(validFrom) && !first.empty()) {
        if (IsNull(validTo)) return false;
        const std::string& d = started->monthDay;
        const bool valid = first <= last ? first <= d && d <= last : first <= d || d <= last;
        if (!valid) return false;
    }
    const std::string& week = TextOf(monthWeek);
    if (!week.empty() && !(week.size() == 1 && (week[0] == started->weekOfMonth || (week[0] == 'L' && started->lastOfMonth))))
        return false;
    return RunsOnWeekday(days, started->weekday);
}

bool RunsOnWeekday(const FieldValue& days, int weekday) {
    const auto* text = std::get_if<std::string>(&days);
    if (text == nullptr) return true;
    if (text->find_first_not_of(' ') == std::string::npos) return true;
    return weekday >= 1 && weekday <= 7 && text->find(static_cast<char>('0' + weekday)) != std::string::npos;
}

bool OnAirTest::IsRowOnAir(const RowValues& row, bool dated) const {
    constexpr size_t kStart = 10, kEnd = 11, kDays = 12;
    if (dated && row.size() >= static_cast<size_t>(kAllFieldCount)) {
        return IsOnAirDated(row[kStart], row[kEnd], row[kDays], row[kValidFromField], row[kValidToField],
                            row[kRegularityField], row[kMonthWeekField]);
    }
    if (dated || row.size() <= kDays) return false;
    return IsOnAir(row[kStart], row[kEnd], row[kDays]);
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
