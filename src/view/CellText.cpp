#include "view/CellText.h"

#include <cstdint>

#include "base/TextRules.h"

namespace zofar {

std::string CellText(const FieldValue& value) {
    if (const auto* i = std::get_if<int64_t>(&value)) return std::to_string(*i);
    // "%7.1f" and two blanks; the point stays a point on a desktop whose locale writes a comma.
    if (const auto* d = std::get_if<double>(&value)) return FormatOneDecimal(*d, 7) + "  ";
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    return {};
}

}  // namespace zofar
