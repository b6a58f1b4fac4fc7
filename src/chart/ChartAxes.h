#pragma once

#include <string>
#include <vector>

#include "chart/ChartGeometry.h"

namespace zofar {

/// A labelled mark on one of the chart's axes, at a pixel position along that axis.
struct AxisTick {
    double position = 0.0;  ///< x on the time axis, y on the frequency axis
    std::string label;      ///< "hh:mm" or the frequency in kHz
};

/// Marks on the time axis every 1, 2, 3, 4, 6 or 12 hours, the shortest step that leaves at
/// least 48 pixels between two labels, from 00:00 to 24:00 inclusive.
std::vector<AxisTick> TimeTicks(const ChartGeometry& geometry);

/// Marks on the frequency axis at round frequencies (1, 2 or 5 times a power of ten kHz), the
/// finest step that leaves at least 24 pixels between two labels, inside the visible range.
std::vector<AxisTick> FreqTicks(const ChartGeometry& geometry);

}  // namespace zofar
