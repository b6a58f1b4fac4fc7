#include "chart/ChartColours.h"

#include <array>
#include <cctype>

namespace zofar {
namespace {

// Twelve colours told apart on a white ground; none is the neutral grey.
constexpr std::array<Rgb, 12> kPalette{{{31, 119, 180},
                                        {255, 127, 14},
                                        {44, 160, 44},
                                        {214, 39, 40},
                                        {148, 103, 189},
                                        {140, 86, 75},
                                        {227, 119, 194},
                                        {188, 189, 34},
                                        {23, 190, 207},
                                        {0, 0, 128},
                                        {128, 128, 0},
                                        {0, 128, 128}}};

constexpr std::array<std::string_view, 9> kContinentOrder{"NA", "CA", "SA", "EU", "AF", "ME", "AS", "AU", "PA"};

constexpr Rgb kOnAir{214, 39, 40};
constexpr Rgb kOffAir{31, 119, 180};

// FNV-1a over the text in lower case, blanks at either end left out: a value that never
// changes between runs, unlike std::hash.
uint32_t TextHash(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<uint8_t>(std::tolower(static_cast<unsigned char>(c)));
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace

std::string_view ColouringName(ChartColouring colouring) {
    switch (colouring) {
    case ChartColouring::OnAirNow: return "On air now";
    case ChartColouring::Language: return "Language";
    case ChartColouring::Target: return "Target";
    }
    return {};
}

Rgb BarColour(const ChartRecord& record, ChartColouring colouring) {
    switch (colouring) {
    case ChartColouring::OnAirNow: return record.onAirNow ? kOnAir : kOffAir;
    case ChartColouring::Language: {
        if (record.language.find_first_not_of(' ') == std::string::npos) return kNeutralBarColour;
        return kPalette[TextHash(record.language) % kPalette.size()];
    }
    case ChartColouring::Target: {
        const std::string_view continent = TargetContinent(record);
        for (size_t i = 0; i < kContinentOrder.size(); ++i) {
            if (kContinentOrder[i] == continent) return kPalette[i];
        }
        return kNeutralBarColour;
    }
    }
    return kNeutralBarColour;
}

}  // namespace zofar
