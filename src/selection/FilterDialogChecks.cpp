#include "selection/FilterDialogChecks.h"

#include <array>
#include <charconv>

#include "base/TextRules.h"
#include "selection/ConditionBuilder.h"
#include "store/JetText.h"

namespace zofar {

namespace {

FilterDialogOutcome Refuse(const FilterCriteria& values, std::string_view message, FilterDialogField focus) {
    return {false, values, std::string(message), focus};
}

// The text criteria in the dialog's tab order, with the label that names them in a message.
struct TextField {
    uint32_t FilterCriteria::*flag;
    std::string FilterCriteria::*value;
    std::string_view label;
    FilterDialogField field;
};

constexpr std::array kTextFields{
    TextField{&FilterCriteria::BFStation, &FilterCriteria::FStation, "Station", FilterDialogField::Station},
    TextField{&FilterCriteria::BFStn, &FilterCriteria::FStn, "Stn", FilterDialogField::Stn},
    TextField{&FilterCriteria::BFLocation, &FilterCriteria::FLocation, "Location", FilterDialogField::Location},
    TextField{&FilterCriteria::BFCountry, &FilterCriteria::FCountry, "Country", FilterDialogField::Country},
    TextField{&FilterCriteria::BFItu, &FilterCriteria::FItu, "Country code (ITU)", FilterDialogField::Itu},
    TextField{&FilterCriteria::BFLc, &FilterCriteria::FLc, "Location code (LC)", FilterDialogField::Lc},
    TextField{&FilterCriteria::BFTargetarea, &FilterCriteria::FTargetarea, "Target area",
              FilterDialogField::Targetarea},
    TextField{&FilterCriteria::BFLanguage, &FilterCriteria::FLanguage, "Language", FilterDialogField::Language},
    TextField{&FilterCriteria::BFStatus, &FilterCriteria::FStatus, "Status", FilterDialogField::Status},
    TextField{&FilterCriteria::BFP, &FilterCriteria::FP, "Program structure (P)", FilterDialogField::P},
    TextField{&FilterCriteria::BFDay, &FilterCriteria::FDay, "Days", FilterDialogField::Day},
};

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

    if (read.BFFrequency == 1 && !(read.FFrequency1 < read.FFrequency2))
        return Refuse(read, kFrequencyOrder, FilterDialogField::Frequency1);
    if (read.BFTime == 1) {
        if (!IsValidTime(read.FStart)) return Refuse(read, kBadStart, FilterDialogField::Start);
        if (!IsValidTime(read.FEnd)) return Refuse(read, kBadEnd, FilterDialogField::End);
    }
    if (read.BFOnair == 1 && read.BFOnairNow != 1 && !IsValidTime(read.FOnairTime))
        return Refuse(read, kBadOnairTime, FilterDialogField::OnairTime);
    for (const TextField& t : kTextFields) {
        if (read.*t.flag == 1 && HasUnclosedBracket(read.*t.value))
            return Refuse(read, UnclosedBracketMessage(t.label), t.field);
    }

    return {true, read, {}, FilterDialogField::None};
}

}  // namespace zofar
