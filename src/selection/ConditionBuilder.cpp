#include "selection/ConditionBuilder.h"

#include <array>
#include <cstdio>
#include <vector>

#include "base/TextEncoding.h"
#include "base/TextRules.h"
#include "schedule/OnAirCondition.h"
#include "selection/CriterionTable.h"

namespace zofar {

namespace {

constexpr std::string_view kJoin = "   AND   ";

// Values longer than the condition was ever meant to carry are cut rather than refused: the
// builder must always produce a condition, and a cut alternative still matches what the user
// typed at its start. Counting characters keeps a multi-byte character whole.
std::string_view UsedText(std::string_view value) { return Utf8Prefix(value, ConditionBuilder::kMaxTextLength); }

std::string TwoDigits(int value) {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%02d", value);
    return buffer.data();
}

std::string TimeRangePiece(const std::string& column, std::string_view start, std::string_view end) {
    const std::string from = ConditionBuilder::EscapeLiteral(start);
    const std::string to = ConditionBuilder::EscapeLiteral(end);
    // Byte order is time order for "hh:mm"; a start after the end means the range wraps past
    // midnight. Both of its ends belong to it, as in the plain range, and records without a
    // start time ("..:..") sort before every time, so they must be kept out explicitly.
    if (start.compare(end) <= 0) return "(" + column + " BETWEEN '" + from + "' AND '" + to + "')";
    return "((" + column + " >= '" + from + "' OR " + column + " <= '" + to + "') AND " + column + " NOT LIKE '..:..')";
}

std::string ConditionPiece(const Criterion& k, const FilterCriteria& c, const UtcTime& now, bool dated) {
    const std::string column(k.column);
    const CriterionValue& first = k.values[0];
    switch (k.match) {
    case CriterionMatch::FollowsSwitch:
        return ConditionBuilder::BuildLikeGroup(UsedText(c.*first.text), column, c.BFExactMatch);
    case CriterionMatch::AlwaysExact: return ConditionBuilder::BuildLikeGroup(UsedText(c.*first.text), column, 1);
    case CriterionMatch::FrequencyRange:
        return "(" + column + " BETWEEN " + FormatOneDecimal(c.*first.number) + " AND " +
               FormatOneDecimal(c.*k.values[1].number) + ")";
    case CriterionMatch::TimeRange:
        return TimeRangePiece(column, UsedText(c.*first.text), UsedText(c.*k.values[1].text));
    case CriterionMatch::OnAir: {
        const bool nowMode = c.BFOnairNow == 1;
        const std::string t =
            nowMode ? TwoDigits(now.hour) + ":" + TwoDigits(now.minute)
                    : ConditionBuilder::EscapeLiteral(Utf8Prefix(c.*first.text, ConditionBuilder::kMaxOnairTimeLength));
        return dated ? DatedOnAirCondition(t, nowMode, ScheduleDay::Of(now), ScheduleDay::Before(now))
                     : OnAirCondition(t, nowMode, now.weekday);
    }
    }
    return {};
}

}  // namespace

std::string ConditionBuilder::EscapeLiteral(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out;
}

std::vector<std::string_view> ConditionBuilder::LikeAlternatives(std::string_view value) {
    std::vector<std::string_view> pieces;
    size_t begin = 0;
    while (begin <= value.size()) {
        size_t bar = value.find('|', begin);
        if (bar == std::string_view::npos) bar = value.size();
        if (bar > begin) pieces.push_back(value.substr(begin, bar - begin));
        begin = bar + 1;
    }
    return pieces;
}

std::string ConditionBuilder::BuildLikeGroup(std::string_view value, std::string_view column, uint32_t exact) {
    const std::string col(column);
    if (value.empty()) return col + " LIKE ''";
    const std::string_view open = exact == 1 ? "'" : "'*";
    const std::string_view close = exact == 1 ? "'" : "*'";
    std::string group;
    for (const std::string_view piece : LikeAlternatives(value)) {
        if (!group.empty()) group += " OR ";
        group += col;
        group += " LIKE ";
        group += open;
        group += EscapeLiteral(piece);
        group += close;
    }
    // Nothing but separators is no alternative at all: "()" would be a syntax error of the
    // engine, so it selects what the empty value selects.
    if (group.empty()) return col + " LIKE ''";
    return "(" + group + ")";
}

std::string ConditionBuilder::BuildFilterCondition(const FilterCriteria& c, uint32_t bFilter, const UtcTime& now,
                                                   bool dated) {
    if (bFilter != 1) return {};
    std::vector<std::string> pieces;
    for (const Criterion* k : CriteriaInConditionOrder()) {
        if (c.*k->flag == 1) pieces.push_back(ConditionPiece(*k, c, now, dated));
    }

    std::string condition;
    for (const auto& piece : pieces) {
        if (!condition.empty()) condition += kJoin;
        condition += piece;
    }
    return condition;
}

}  // namespace zofar
