#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "selection/FilterCriteria.h"
#include "selection/FilterDialogField.h"

namespace zofar {

// The one list of the filter criteria. The settings file, the predefined filter file, the
// condition, the dialog, its checks and the filter's description all walk it, each in its own
// order: the dialog's order is the table's, the condition's and the stored order come with each
// row.

/// How a criterion's value selects records.
enum class CriterionMatch {
    FollowsSwitch,   ///< a pattern matched whole or as a substring, as the exact-match switch says
    AlwaysExact,     ///< a pattern matched whole whatever the switch says
    FrequencyRange,  ///< two frequencies in kHz, both ends included
    TimeRange,       ///< start times from "hh:mm" to "hh:mm", wrapping past midnight
    OnAir,           ///< on air now, or at the time "hh:mm", as the on-air-now switch says
};

/// A pattern criterion: its value is "|"-separated alternatives with "*" wildcards.
constexpr bool IsPatternMatch(CriterionMatch match) {
    return match == CriterionMatch::FollowsSwitch || match == CriterionMatch::AlwaysExact;
}

/// One stored value of a criterion: a frequency (`number`) or a text (`text`), never both.
struct CriterionValue {
    double FilterCriteria::*number = nullptr;
    std::string FilterCriteria::*text = nullptr;
    std::string_view key;  ///< the settings key
    /// The settings reader's value for a missing frequency, or for a time that is missing or
    /// not valid; empty for a pattern, whose missing key reads as the empty text.
    std::string_view settingsDefault;
    std::size_t field = 0;  ///< its field in a predefined filter's line (the name is field 0)
    FilterDialogField edit = FilterDialogField::None;  ///< its edit in the filter dialog
};

struct Criterion {
    std::string_view label;                    ///< names it in the dialog's messages and in the filter's description
    std::string_view caption;                  ///< the dialog's enable box, with its access key
    uint32_t FilterCriteria::*flag = nullptr;  ///< takes part in the condition when exactly 1
    std::string_view flagKey;                  ///< the settings key of the flag
    std::size_t flagField = 0;                 ///< the flag's field in a predefined filter's line
    CriterionMatch match = CriterionMatch::FollowsSwitch;
    std::string_view column;                 ///< the column its condition tests; empty for the on-air test
    std::size_t conditionPosition = 0;       ///< the place of its piece in the condition, from 0
    std::array<CriterionValue, 2> values{};  ///< the second one only for the ranges

    /// The values the criterion has: two for a range, one otherwise.
    constexpr std::span<const CriterionValue> Values() const {
        return {values.data(), values[1].key.empty() ? 1u : 2u};
    }
};

/// A flag that is no criterion of its own but changes how others match; stored with them.
struct CriterionSwitch {
    uint32_t FilterCriteria::*member = nullptr;
    std::string_view key;
    uint32_t settingsDefault = 0;
    std::size_t field = 0;
};

/// One field as the settings file and the predefined filter file store it: exactly one of the
/// three members is set.
struct StoredField {
    std::string_view key;
    uint32_t FilterCriteria::*flag = nullptr;
    double FilterCriteria::*number = nullptr;
    std::string FilterCriteria::*text = nullptr;
    uint32_t flagDefault = 0;
    std::string_view textDefault;  ///< as CriterionValue::settingsDefault
    bool isTime = false;           ///< a "hh:mm" text, which the settings reader replaces when not valid
};

inline constexpr std::size_t kCriterionCount = 14;
/// The stored fields: the criteria's flags, the two switches, the frequencies and the texts.
inline constexpr std::size_t kStoredFieldCount = 32;

/// The criteria in the filter dialog's order.
std::span<const Criterion, kCriterionCount> CriterionTable();

/// The criteria in the order of their pieces in the condition.
std::span<const Criterion* const, kCriterionCount> CriteriaInConditionOrder();

/// The exact-match and on-air-now switches.
std::span<const CriterionSwitch> CriterionSwitches();

/// Every stored field in the order of the settings keys, which is the order of a predefined
/// filter's fields after its name.
std::span<const StoredField, kStoredFieldCount> StoredFields();

}  // namespace zofar
