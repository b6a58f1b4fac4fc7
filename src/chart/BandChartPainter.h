#pragma once

#include <optional>
#include <span>

#include "base/Clock.h"
#include "chart/BandPresets.h"
#include "chart/ChartColours.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartRecord.h"

class QPainter;

namespace zofar {

/// What one drawing of the band chart shows.
struct BandChartScene {
    std::span<const ChartRecord> records;
    FreqRange range;
    std::optional<UtcTime> now;  ///< where the now-line is; none draws no line
    int highlightedId = -1;      ///< the record whose bars are outlined
    ChartColouring colouring = ChartColouring::OnAirNow;
};

/// Paints the chart into the rectangle 0, 0, `width`, `height` of the painter's device, in
/// the device's pixels: a printer, a PDF or SVG writer, an image or a widget alike. The
/// painter's state is as before afterwards.
void PaintBandChart(QPainter& painter, const BandChartScene& scene, double width, double height);

/// The same with the geometry and bar layout already made for the scene, so a widget that
/// repaints without a change of records, size or range does not lay the bars out again.
void PaintBandChart(QPainter& painter, const BandChartScene& scene, const ChartGeometry& geometry,
                    const ChartLayout& layout, double width, double height);

}  // namespace zofar
