#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "selection/FilterCriteria.h"
#include "selection/FilterDialogField.h"

namespace zofar {

/// The filter dialog's controls as the user left them.
struct FilterDialogEntries {
    /// Enable boxes, radios and texts as shown; its two frequencies are not read.
    FilterCriteria shown;
    std::string frequency1Text;
    std::string frequency2Text;
};

/// What pressing OK leads to.
struct FilterDialogOutcome {
    bool accepted = false;
    /// Accepted: the new criteria. Refused: the values the dialog holds from now on, i.e. those
    /// it held before with every control read before the failing one taken over; a frequency
    /// that reads but lies outside the range is taken over too, an edit without a number is not.
    FilterCriteria values;
    std::string message;  ///< the failure's message; empty when accepted
    FilterDialogField focus = FilterDialogField::None;
};

/// The checks the filter dialog runs on OK, free of any toolkit.
class FilterDialogChecks {
public:
    static constexpr std::string_view kNotANumber = "Please enter a number.";
    static constexpr std::string_view kOutOfRange = "Please enter a number between 0 and 1000000.";
    static constexpr std::string_view kFrequencyOrder =
        "The first frequency value must be smaller than the second value.";
    static constexpr std::string_view kBadStart = "The first time entry (start time) is not valid (Format: hh:mm).";
    static constexpr std::string_view kBadEnd = "The second time entry (end time) is not valid (Format: hh:mm).";
    static constexpr std::string_view kBadOnairTime = "The \"On Air At\" time entry is not valid (Format: hh:mm).";

    /// The dialog's line while the filter switch is off.
    static constexpr std::string_view kFilterSwitchedOff =
        "The filter is switched off: Filter > Disable filter (Ctrl+N) switches it on.";

    static constexpr double kLowestFrequency = 0.0;
    static constexpr double kHighestFrequency = 1000000.0;

    /// Runs the checks in the dialog's order and stops at the first failure. `held` are the
    /// values the dialog holds (those it opened with, or those of an earlier refused OK).
    static FilterDialogOutcome Check(const FilterDialogEntries& entries, const FilterCriteria& held);

    /// The refusal of a pattern holding a "[" without its "]", naming the entry by `field`, the
    /// label the user sees ("Station").
    static std::string UnclosedBracketMessage(std::string_view field);

    /// True when some "|"-separated alternative of `value` holds a "[" that is not closed;
    /// the engine would refuse such a pattern with an error of its own.
    static bool HasUnclosedBracket(std::string_view value);

    /// Reads a frequency edit: a decimal number with a point or a comma, blanks and tabs around
    /// it allowed. Nothing when the text is not a finite number (an empty text is not one).
    static std::optional<double> ReadFrequencyText(std::string_view text);

    /// A frequency in kHz as the edit shows it: "%.15g" with a point whatever the locale.
    static std::string FormatFrequencyForEdit(double kHz);
};

}  // namespace zofar
