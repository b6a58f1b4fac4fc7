#include "selection/GoToConditions.h"

#include "base/TextRules.h"
#include "selection/ConditionBuilder.h"

namespace zofar {

namespace {

// "%9.1f": frequencies up to 1000000 kHz fill the nine characters exactly.
constexpr std::size_t kFrequencyWidth = 9;

}  // namespace

std::string GoToPattern(std::string_view text, GoToMode mode, bool exactMatch) {
    if (text.empty() || mode != GoToMode::Choice || exactMatch) return std::string(text);
    return "*" + std::string(text) + "*";
}

std::string GoToTextCondition(std::string_view column, std::string_view pattern) {
    return std::string(column) + " LIKE '" + ConditionBuilder::EscapeLiteral(pattern) + "'";
}

std::string GoToFrequencyCondition(double kHz) { return "FREQ >= " + FormatOneDecimal(kHz, kFrequencyWidth); }

int32_t ReportedFrequencyKhz(int32_t hz) { return hz / 1000; }

}  // namespace zofar
