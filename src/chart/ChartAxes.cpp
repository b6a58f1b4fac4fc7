#include "chart/ChartAxes.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "chart/ChartTexts.h"

namespace zofar {
namespace {

constexpr double kMinTimeLabelGap = 48.0;
constexpr double kMinFreqLabelGap = 24.0;

std::string FreqText(double khz, double step) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", step < 1.0 ? 1 : 0, khz);
    return text;
}

}  // namespace

std::vector<AxisTick> TimeTicks(const ChartGeometry& geometry) {
    constexpr std::array<int, 6> kHourSteps{1, 2, 3, 4, 6, 12};
    const double hourWidth = geometry.Plot().width / 24.0;
    int step = kHourSteps.back();
    for (const int s : kHourSteps) {
        if (s * hourWidth >= kMinTimeLabelGap) {
            step = s;
            break;
        }
    }
    std::vector<AxisTick> ticks;
    for (int hour = 0; hour <= 24; hour += step)
        ticks.push_back({geometry.XOfMinute(hour * 60), MinuteText(hour * 60)});
    return ticks;
}

std::vector<AxisTick> FreqTicks(const ChartGeometry& geometry) {
    const FreqRange& range = geometry.Range();
    const double span = range.highKhz - range.lowKhz;
    const double pixelsPerKhz = geometry.Plot().height / span;
    double step = std::pow(10.0, std::floor(std::log10(kMinFreqLabelGap / pixelsPerKhz)));
    for (int i = 0; step * pixelsPerKhz < kMinFreqLabelGap && i < 3; ++i) {
        constexpr std::array<double, 3> kFactors{2.0, 2.5, 2.0};  // 1, 2, 5, 10
        step *= kFactors[static_cast<size_t>(i)];
    }
    std::vector<AxisTick> ticks;
    for (double f = std::ceil(range.lowKhz / step) * step; f <= range.highKhz + step * 1e-9; f += step)
        ticks.push_back({geometry.YOfFreq(f), FreqText(f, step)});
    return ticks;
}

}  // namespace zofar
