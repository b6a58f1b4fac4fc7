#include "selection/FilterDialogChecks.h"

#include <array>
#include <charconv>

#include "base/TextRules.h"
#include "selection/ConditionBuilder.h"
#include "selection/CriterionTable.h"
#include "store/JetText.h"

namespace zofar {

namespace {

FilterDialogOutcome Refuse(const FilterCriteria& values, std::string_view message, FilterDialogField focus) {
    return {false, values, std::string(message), focus};
}

}  // namespace

std::string FilterDialogChecks::UnclosedBracketMessage(std::string_view field) {
    return "The " + std::string(field) +
           " entry has a \"[\" that is not closed by \"]\".\nWrite [[] for the character \"[\" itself.";
}

bool FilterDialogChecks::HasUnclosedBracket(std::string_view value) {
    // Checked alternative by alternative, as the condition uses them: "[a|b]" is two bad patterns.
    for (const std::string_view piece : ConditionBuilder::LikeAlternatives(value)) {
        if (MatchLike(piece, "") == LikeResult::BadPattern) return true;
    }
    return false;
}

std::optional<double> FilterDialogChecks::ReadFrequencyText(std::string_view text) {
    // An empty edit reads as 0.0 by the settings' number rule, but in the dialog it holds no
    // number at all, and the user should be told so rather than get a silent 0.
    if (text.find_first_not_of(" \t") == std::string_view::npos) return std::nullopt;
    std::string copy(text);
    double value = 0.0;
    if (!ParseNumberText(copy, value)) return std::nullopt;
    return value;
}

std::string FilterDialogChecks::FormatFrequencyForEdit(double kHz) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), kHz, std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

FilterDialogOutcome FilterDialogChecks::Check(const FilterDialogEntries& entries, const FilterCriteria& held) {
    const FilterCriteria& shown = entries.shown;

    // Controls are read in tab order and reading stops at an edit that does not read, so the
    // values the dialog keeps are those before it; everything else stays as held.
    FilterCriteria partial = held;
    partial.BFFrequency = shown.BFFrequency;

    // A number outside the range has been read before its range is checked, so the dialog
    // holds it; only an edit that holds no number leaves the held value as it was.
    const auto frequency1 = ReadFrequencyText(entries.frequency1Text);
    if (!frequency1) return Refuse(partial, kNotANumber, FilterDialogField::Frequency1);
    partial.FFrequency1 = *frequency1;
    if (!(*frequency1 >= kLowestFrequency && *frequency1 <= kHighestFrequency))
        return Refuse(partial, kOutOfRange, FilterDialogField::Frequency1);

    const auto frequency2 = ReadFrequencyText(entries.frequency2Text);
    if (!frequency2) return Refuse(partial, kNotANumber, FilterDialogField::Frequency2);
    partial.FFrequency2 = *frequency2;
    if (!(*frequency2 >= kLowestFrequency && *frequency2 <= kHighestFrequency))
        return Refuse(partial, kOutOfRange, FilterDialogField::Frequency2);

    FilterCriteria read = shown;
    read.FFrequency1 = *frequency1;
    read.FFrequency2 = *frequency2;

    // The ranges and times are checked first, the patterns after them, each in the dialog's order.
    for (const Criterion& k : CriterionTable()) {
        if (read.*k.flag != 1) continue;
        const CriterionValue& first = k.values[0];
        const CriterionValue& second = k.values[1];
        switch (k.match) {
        case CriterionMatch::FrequencyRange:
            if (!(read.*first.number < read.*second.number)) return Refuse(read, kFrequencyOrder, first.edit);
            break;
        case CriterionMatch::TimeRange:
            if (!IsValidTime(read.*first.text)) return Refuse(read, kBadStart, first.edit);
            if (!IsValidTime(read.*second.text)) return Refuse(read, kBadEnd, second.edit);
            break;
        case CriterionMatch::OnAir:
            if (read.BFOnairNow != 1 && !IsValidTime(read.*first.text)) return Refuse(read, kBadOnairTime, first.edit);
            break;
        case CriterionMatch::FollowsSwitch:
        case CriterionMatch::AlwaysExact: break;
        }
    }
    for (const Criterion& k : CriterionTable()) {
        if (IsPatternMatch(k.match) && read.*k.flag == 1 && HasUnclosedBracket(read.*k.values[0].text))
            return Refuse(read, UnclosedBracketMessage(k.label), k.values[0].edit);
    }

    return {true, read, {}, FilterDialogField::None};
}

}  // namespace zofar
