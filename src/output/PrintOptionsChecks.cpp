#include "output/PrintOptionsChecks.h"

#include <array>
#include <climits>

namespace zofar {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct NumberField {
    const std::string& text;
    int PrintOptionsOutcome::*value;
    PrintOptionField field;
    int low;
    int high;
};

}  // namespace

std::string OutOfRangeMessage(int low, int high) {
    return "Please enter an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

std::optional<int> ReadDialogInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digitsFrom = i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Past int's range the value stops growing; it can only be refused as out of range.
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    }
    if (i == digitsFrom) return std::nullopt;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

PrintOptionsOutcome CheckPrintOptions(const PrintOptionTexts& texts) {
    PrintOptionsOutcome out;
    const std::array<NumberField, 5> fields{{
        {texts.borderBottom, &PrintOptionsOutcome::borderBottom, PrintOptionField::BorderBottom, kLowestBorder,
         kHighestBorder},
        {texts.borderLeft, &PrintOptionsOutcome::borderLeft, PrintOptionField::BorderLeft, kLowestBorder,
         kHighestBorder},
        {texts.borderRight, &PrintOptionsOutcome::borderRight, PrintOptionField::BorderRight, kLowestBorder,
         kHighestBorder},
        {texts.borderTop, &PrintOptionsOutcome::borderTop, PrintOptionField::BorderTop, kLowestBorder, kHighestBorder},
        {texts.fontHeight, &PrintOptionsOutcome::fontHeight, PrintOptionField::FontHeight, kLowestFontHeight,
         kHighestFontHeight},
    }};
    for (const auto& f : fields) {
        const std::optional<int> value = ReadDialogInteger(f.text);
        if (!value) {
            out.message = std::string(kNotAnIntegerMessage);
        } else if (*value < f.low || *value > f.high) {
            out.message = OutOfRangeMessage(f.low, f.high);
        } else {
            out.*f.value = *value;
            continue;
        }
        out.focus = f.field;
        return out;
    }
    out.accepted = true;
    return out;
}

}  // namespace zofar
