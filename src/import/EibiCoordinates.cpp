#include "import/EibiCoordinates.h"

namespace zofar {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Angle {
    int degrees = 0;
    int minutes = 0;
    char hemisphere = 0;
};

// Reads "<degrees><hemisphere>[ ]<minutes>['<seconds>[\"|']]" at `i`, moving `i` past it.
std::optional<Angle> ReadAngle(std::string_view s, std::size_t& i, std::size_t maxDegreeDigits,
                               std::string_view hemispheres) {
    Angle angle;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]) && digits < maxDegreeDigits) {
        angle.degrees = angle.degrees * 10 + (s[i++] - '0');
        ++digits;
    }
    if (digits == 0 || i >= s.size() || hemispheres.find(s[i]) == std::string_view::npos) return std::nullopt;
    angle.hemisphere = s[i++];
    if (i < s.size() && s[i] == ' ') ++i;
    digits = 0;
    while (i < s.size() && IsDigit(s[i]) && digits < 2) {
        angle.minutes = angle.minutes * 10 + (s[i++] - '0');
        ++digits;
    }
    if (digits == 0 || (i < s.size() && IsDigit(s[i])) || angle.minutes > 59) return std::nullopt;
    if (i < s.size() && s[i] == '\'') {
        ++i;
        digits = 0;
        while (i < s.size() && IsDigit(s[i]) && digits < 2) ++i, ++digits;
        if (i < s.size() && (s[i] == '"' || s[i] == '\'')) ++i;
    }
    return angle;
}

std::string Format(const Angle& angle, std::size_t degreeWidth) {
    std::string text = std::to_string(angle.degrees);
    if (text.size() < degreeWidth) text.insert(0, degreeWidth - text.size(), '0');
    text += angle.hemisphere;
    if (angle.minutes < 10) text += '0';
    text += std::to_string(angle.minutes);
    return text;
}

}  // namespace

std::optional<EibiCoordinates> FindEibiCoordinates(std::string_view text) {
    for (std::size_t begin = 0; begin < text.size(); ++begin) {
        if (!IsDigit(text[begin]) || (begin > 0 && IsDigit(text[begin - 1]))) continue;
        std::size_t i = begin;
        const auto latitude = ReadAngle(text, i, 2, "NS");
        if (!latitude || latitude->degrees > 90) continue;
        if (i < text.size() && (text[i] == '-' || text[i] == ' ')) ++i;
        const auto longitude = ReadAngle(text, i, 3, "EW");
        if (!longitude || longitude->degrees > 180) continue;
        return EibiCoordinates{begin, Format(*latitude, 2), Format(*longitude, 3)};
    }
    return std::nullopt;
}

}  // namespace zofar
