#include "view/CellText.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace zofar {
namespace {

// std::to_chars ignores the locale, which snprintf does not once the toolkit has called
// setlocale: a German desktop would otherwise show "6070,0".
std::string FrequencyText(double value) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 1);
    std::string digits(buffer.data(), result.ptr);
    if (digits.size() < 7) digits.insert(0, 7 - digits.size(), ' ');
    return digits + "  ";
}

}  // namespace

std::string CellText(const FieldValue& value) {
    if (const auto* i = std::get_if<int64_t>(&value)) return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&value)) return FrequencyText(*d);
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    return {};
}

}  // namespace zofar
