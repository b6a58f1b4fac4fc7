#pragma once

#include <string>

#include "chart/BandChartPainter.h"

namespace zofar {

/// Writes the chart as a `width` x `height` pixel drawing into `path`, as PNG, SVG or PDF by the
/// file's extension (letter case ignored; a PDF page is `width` x `height` points). Returns ""
/// on success, else a message saying what went wrong; a failed write may leave no file or a
/// partial one.
std::string SaveBandChart(const std::string& path, const BandChartScene& scene, int width, int height);

}  // namespace zofar
