#include "selection/FilterDescription.h"

#include "base/TextEncoding.h"
#include "base/TextRules.h"
#include "selection/ConditionBuilder.h"
#include "selection/CriterionTable.h"

namespace zofar {

namespace {

constexpr std::string_view kSeparator = " \u00B7 ";

std::string_view UsedText(const std::string& value) { return Utf8Prefix(value, ConditionBuilder::kMaxTextLength); }

// The frequency as the condition compares it, without a decimal that is zero: "9400", "9400.5".
std::string FrequencyText(double kHz) {
    std::string text = FormatOneDecimal(kHz);
    if (text.ends_with(".0")) text.resize(text.size() - 2);
    return text;
}

std::string PatternPhrase(std::string_view label, std::string_view value, bool exact) {
    std::string alternatives;
    for (const std::string_view alternative : ConditionBuilder::LikeAlternatives(value)) {
        if (!alternatives.empty()) alternatives += " or ";
        alternatives += alternative;
    }
    // Without an alternative the condition asks for the empty field, whatever the match mode.
    if (alternatives.empty()) return std::string(label) + " is empty";
    return std::string(label) + (exact ? " is " : " contains ") + alternatives;
}

std::string Phrase(const Criterion& k, const FilterCriteria& c, bool dated) {
    const std::string label(k.label);
    const CriterionValue& first = k.values[0];
    switch (k.match) {
    case CriterionMatch::FollowsSwitch: return PatternPhrase(label, UsedText(c.*first.text), c.BFExactMatch == 1);
    case CriterionMatch::AlwaysExact: return PatternPhrase(label, UsedText(c.*first.text), true);
    case CriterionMatch::FrequencyRange:
        return label + " " + FrequencyText(c.*first.number) + "-" + FrequencyText(c.*k.values[1].number) + " kHz";
    case CriterionMatch::TimeRange:
        return label + " " + std::string(UsedText(c.*first.text)) + "-" + std::string(UsedText(c.*k.values[1].text));
    case CriterionMatch::OnAir: {
        // A schedule whose entries say when they are valid is filtered by their dates as well.
        const std::string dates = dated ? " (dates honoured)" : "";
        if (c.BFOnairNow == 1) return label + " now" + dates;
        return label + " at " + std::string(Utf8Prefix(c.*first.text, ConditionBuilder::kMaxOnairTimeLength)) + dates;
    }
    }
    return label;
}

}  // namespace

std::string DescribeFilter(const FilterCriteria& criteria, uint32_t bFilter, bool dated) {
    if (bFilter != 1) return std::string(kNoFilterDescription);
    std::string description;
    for (const Criterion& k : CriterionTable()) {
        if (criteria.*k.flag != 1) continue;
        if (!description.empty()) description += kSeparator;
        description += Phrase(k, criteria, dated);
    }
    return description.empty() ? std::string(kNoFilterDescription) : description;
}

}  // namespace zofar
