#include "selection/GoToDialogChecks.h"

#include "base/TextEncoding.h"
#include "selection/FilterDialogChecks.h"
#include "store/JetText.h"

namespace zofar {

GoToFrequencyOutcome CheckGoToFrequency(std::string_view text) {
    // The same number rule and messages as the filter dialog's frequency edits.
    const auto kHz = FilterDialogChecks::ReadFrequencyText(text);
    if (!kHz) return {false, 0.0, std::string(FilterDialogChecks::kNotANumber)};
    if (!(*kHz >= FilterDialogChecks::kLowestFrequency && *kHz <= FilterDialogChecks::kHighestFrequency)) {
        return {false, 0.0, std::string(FilterDialogChecks::kOutOfRange)};
    }
    return {true, *kHz, {}};
}

std::string InitialGoToFrequencyText() { return FilterDialogChecks::FormatFrequencyForEdit(0.0); }

std::string CheckGoToText(std::string_view text) {
    if (Utf8Length(text) > kGoToTextLimit)
        return "Please enter no more than " + std::to_string(kGoToTextLimit) + " characters.";
    // The search text is one pattern: "|" separates nothing here.
    if (MatchLike(text, "") == LikeResult::BadPattern)
        return FilterDialogChecks::UnclosedBracketMessage("Search String");
    return {};
}

}  // namespace zofar
