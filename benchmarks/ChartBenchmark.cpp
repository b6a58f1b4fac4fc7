// One full repaint of the band chart with 10,000 transmissions, into an image the size of a
// large window: the bar layout and the painting together, the painting alone (what a widget
// does when only the now-line moves), and the layout alone; over all frequencies and with every
// record crowded into one band.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <random>
#include <vector>

#include "chart/BandChartPainter.h"

namespace {

using namespace zofar;

constexpr int kRecords = 10000;
constexpr int kWidth = 1600, kHeight = 900;

// Records in the broadcast bands on a 5 kHz raster, starting on the quarter hour, 15 minutes
// to 4 hours long; the same every run.
std::vector<ChartRecord> MakeRecords(bool oneBand) {
    std::mt19937 random(42);
    const auto bands = BandPresets().subspan(1);  // all but "all"
    std::vector<ChartRecord> records(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        ChartRecord& r = records[static_cast<size_t>(i)];
        const FreqRange band = oneBand ? FindBandPreset("49m")->range : bands[random() % bands.size()].range;
        const int steps = static_cast<int>((band.highKhz - band.lowKhz) / 5.0);
        r.id = i + 1;
        r.freqKhz = band.lowKhz + 5.0 * static_cast<double>(random() % static_cast<unsigned>(steps + 1));
        r.startMinute = static_cast<int>(random() % 96) * 15;
        r.endMinute = (r.startMinute + 15 * static_cast<int>(1 + random() % 16)) % 1440;
        r.language = std::string(1, static_cast<char>('A' + random() % 26)) + "lang";
        r.onAirNow = random() % 5 == 0;
    }
    return records;
}

BandChartScene SceneOf(const std::vector<ChartRecord>& records, bool oneBand) {
    BandChartScene scene;
    scene.records = records;
    scene.range = oneBand ? FindBandPreset("49m")->range : ChartGeometry::kWholeRange;
    scene.now = UtcTime{2026, 12, 9, 14, 5, 0, 3};
    scene.highlightedId = 17;
    return scene;
}

void BM_ChartRepaint(benchmark::State& state) {
    const bool oneBand = state.range(0) != 0;
    const auto records = MakeRecords(oneBand);
    const BandChartScene scene = SceneOf(records, oneBand);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintBandChart(painter, scene, kWidth, kHeight);
    }
}

void BM_ChartRepaintWithLayoutKept(benchmark::State& state) {
    const bool oneBand = state.range(0) != 0;
    const auto records = MakeRecords(oneBand);
    const BandChartScene scene = SceneOf(records, oneBand);
    const ChartGeometry geometry(ChartPlotArea(kWidth, kHeight), scene.range);
    const ChartLayout layout(geometry, records);
    state.counters["bars"] = static_cast<double>(layout.Bars().size());
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintBandChart(painter, scene, geometry, layout, kWidth, kHeight);
    }
}

void BM_ChartLayout(benchmark::State& state) {
    const bool oneBand = state.range(0) != 0;
    const auto records = MakeRecords(oneBand);
    const ChartGeometry geometry(ChartPlotArea(kWidth, kHeight), SceneOf(records, oneBand).range);
    for (auto _ : state) {
        const ChartLayout layout(geometry, records);
        benchmark::DoNotOptimize(layout.Bars().data());
    }
}

}  // namespace

BENCHMARK(BM_ChartRepaint)->ArgName("oneBand")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartRepaintWithLayoutKept)->ArgName("oneBand")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartLayout)->ArgName("oneBand")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
