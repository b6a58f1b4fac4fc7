#pragma once

#include <span>
#include <string_view>

namespace zofar {

/// A visible frequency range of the band chart, kHz; low < high.
struct FreqRange {
    double lowKhz = 0.0;
    double highKhz = 30000.0;

    friend bool operator==(const FreqRange&, const FreqRange&) = default;
};

/// A broadcast band the chart can show at once.
struct BandPreset {
    std::string_view name;   ///< the command line's name: "49m", "LW", "all"
    std::string_view label;  ///< what the band list shows: "49 m", "Longwave"
    FreqRange range;
};

/// The broadcast bands from 120 m to 11 m, longwave, mediumwave and "all" (0 to 30000 kHz),
/// in the order the band list shows them.
std::span<const BandPreset> BandPresets();

/// The band of a command-line name, compared exactly; nullptr for an unknown name.
const BandPreset* FindBandPreset(std::string_view name);

}  // namespace zofar
