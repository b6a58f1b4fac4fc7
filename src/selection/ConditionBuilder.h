#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Clock.h"
#include "selection/FilterCriteria.h"

namespace zofar {

/// Turns filter criteria into the condition of the browse set's query: an SQL boolean
/// expression without WHERE, in the LIKE dialect the store teaches its engine ("*" any run).
/// The same text is shown in the status bar's tip and printed by the command line, so its form
/// is fixed character for character.
class ConditionBuilder {
public:
    /// Longest part of a text criterion that takes part in the condition, in characters.
    static constexpr size_t kMaxTextLength = 511;
    /// Longest part of the on-air-at time that takes part in the condition, in characters.
    static constexpr size_t kMaxOnairTimeLength = 31;

    /// The non-empty "|"-separated alternatives of a text criterion, each a LIKE pattern of its own.
    static std::vector<std::string_view> LikeAlternatives(std::string_view value);

    /// The LIKE group for one text criterion. "|" separates alternatives and empty alternatives
    /// are skipped; `exact` 1 matches each alternative whole, any other value as a substring.
    /// An empty value, or one of nothing but "|", gives "COLUMN LIKE ''" without parentheses.
    static std::string BuildLikeGroup(std::string_view value, std::string_view column, uint32_t exact);

    /// The condition for `criteria`; empty when `bFilter` is not 1 or no criterion flag is 1.
    /// `now` (UTC) is read by the on-air criterion: its time in now mode, and with `dated` (a
    /// database whose entries say when they are valid) its date in both modes.
    static std::string BuildFilterCondition(const FilterCriteria& criteria, uint32_t bFilter, const UtcTime& now,
                                            bool dated = false);

    /// The value with every apostrophe doubled, ready to stand between apostrophes in SQL.
    static std::string EscapeLiteral(std::string_view value);
};

}  // namespace zofar
