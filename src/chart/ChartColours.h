#pragma once

#include <cstdint>
#include <string_view>

#include "chart/ChartRecord.h"

namespace zofar {

/// What the colour of a bar tells.
enum class ChartColouring { OnAirNow, Language, Target };

/// A colour as red, green and blue, 0..255.
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// The name of a colouring as the chart's colour list shows it.
std::string_view ColouringName(ChartColouring colouring);

/// The colour of a record's bars. On air now: one colour for on air, another for not. Language:
/// a colour of a fixed palette chosen by the language text (letter case ignored), the same in
/// every run and every list. Target: a fixed colour per target continent (see TargetContinent).
/// A record without a language or continent is grey.
Rgb BarColour(const ChartRecord& record, ChartColouring colouring);

/// The colour given to records of no language or continent.
inline constexpr Rgb kNeutralBarColour{150, 150, 150};

}  // namespace zofar
