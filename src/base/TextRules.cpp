#include "base/TextRules.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace zofar {

namespace {

struct LocaleFree {
    void operator()(locale_t loc) const { freelocale(loc); }
};

// The "C" locale, made once and never changed: strtod must read a point as the decimal
// separator even when the toolkit has set a locale that uses a comma.
locale_t CLocale() {
    static const std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleFree> loc(
        newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr)));
    return loc.get();
}

}  // namespace

bool IsValidTime(const std::string& text) {
    if (text.size() != 5 || text[2] != ':') return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    const long hours = std::strtol(begin, &end, 10);
    if (end != begin + 2 || hours < 0 || hours > 24) return false;
    const long minutes = std::strtol(begin + 3, &end, 10);
    return end == begin + 5 && minutes >= 0 && minutes <= 59;
}

bool ParseNumberText(std::string& text, double& value) {
    value = 0.0;
    if (const auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
    const char* begin = text.c_str();
    char* end = nullptr;
    const double number = strtod_l(begin, &end, CLocale());
    const char* const stop = begin + text.size();
    while (end < stop && (*end == ' ' || *end == '\t')) ++end;
    if (end != stop || !std::isfinite(number)) return false;
    value = number;
    return true;
}

std::string FormatOneDecimal(double value, std::size_t width) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text(buffer, result.ptr);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace zofar
