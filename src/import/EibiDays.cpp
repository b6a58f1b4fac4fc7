#include "import/EibiDays.h"

#include <array>
#include <bitset>
#include <optional>

namespace zofar {

namespace {

constexpr std::array<std::string_view, 7> kDayNames = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};

using DaySet = std::bitset<7>;  // bit 0 is Monday

// The weekday (0 = Monday) whose two-letter name starts at `at`.
std::optional<int> DayAt(std::string_view text, std::size_t at) {
    if (at + 2 > text.size()) return std::nullopt;
    const std::string_view name = text.substr(at, 2);
    for (std::size_t d = 0; d < kDayNames.size(); ++d) {
        if (kDayNames[d] == name) return static_cast<int>(d);
    }
    return std::nullopt;
}

bool IsDayDigit(char c) { return c >= '1' && c <= '7'; }

// Days and ranges, separated by commas or written one after the other: "Tu,Fr", "Mo,We-Fr",
// "SaSu", "We-Mo". A range whose end comes before its start runs on over the weekend.
std::optional<DaySet> ParseNamedDays(std::string_view text) {
    DaySet days;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto first = DayAt(text, i);
        if (!first) return std::nullopt;
        i += 2;
        int last = *first;
        if (i < text.size() && text[i] == '-') {
            const auto end = DayAt(text, i + 1);
            if (!end) return std::nullopt;
            last = *end;
            i += 3;
        }
        for (int d = *first;; d = (d + 1) % 7) {
            days.set(static_cast<std::size_t>(d));
            if (d == last) break;
        }
        if (i < text.size() && text[i] == ',') {
            ++i;
            if (i == text.size()) return std::nullopt;
        }
    }
    return days;
}

std::optional<DaySet> ParseDigits(std::string_view text) {
    DaySet days;
    for (const char c : text) {
        if (!IsDayDigit(c)) return std::nullopt;
        days.set(static_cast<std::size_t>(c - '1'));
    }
    return days;
}

// "1.Sa" to "5.Sa": the n-th such weekday of the month still falls on that weekday.
std::optional<DaySet> ParseWeekdayOfMonth(std::string_view text) {
    if (text.size() != 4 || text[0] < '1' || text[0] > '5' || text[1] != '.') return std::nullopt;
    const auto day = DayAt(text, 2);
    if (!day) return std::nullopt;
    return DaySet().set(static_cast<std::size_t>(*day));
}

// "Last7": the last Sunday of the month.
std::optional<DaySet> ParseLastOfMonth(std::string_view text) {
    constexpr std::string_view kLast = "Last";
    if (text.size() != kLast.size() + 1 || text.substr(0, kLast.size()) != kLast || !IsDayDigit(text.back())) {
        return std::nullopt;
    }
    return DaySet().set(static_cast<std::size_t>(text.back() - '1'));
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string EibiDaysToDigits(std::string_view days) {
    const std::string_view text = TrimBlanks(days);
    if (text.empty()) return {};
    auto set = ParseDigits(text);
    if (!set) set = ParseNamedDays(text);
    if (!set) set = ParseWeekdayOfMonth(text);
    if (!set) set = ParseLastOfMonth(text);
    if (!set) return std::string(days);

    std::string digits;
    for (std::size_t d = 0; d < 7; ++d) {
        if (set->test(d)) digits += static_cast<char>('1' + d);
    }
    return digits;
}

}  // namespace zofar
