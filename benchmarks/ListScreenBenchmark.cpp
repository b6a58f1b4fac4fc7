// What the list costs to paint: one screen of 50 rows by 24 cell texts plus the on-air markers,
// taken from a 100,000-record browse set at random positions and while scrolling row by row.
#include <benchmark/benchmark.h>

#include <random>

#include "BenchmarkData.h"
#include "store/RecordStore.h"
#include "view/ListCellSource.h"

namespace {

using namespace zofar;

class QuietReporter : public StoreErrorReporter {
public:
    void ReportStoreError(const std::string&) override {}
};

constexpr int kRecords = 100000;
constexpr int kScreenRows = 50;

// Kept out of line so that an instruction counter can tell the screens apart
// (benchmarks/instruction-counts.sh).
[[gnu::noinline]] void PaintScreen(ListCellSource& cells, const OnAirTest& test, int first) {
    for (int row = first; row < first + kScreenRows; ++row) {
        benchmark::DoNotOptimize(cells.OnAir(row, test));
        for (int column = 0; column < 24; ++column) benchmark::DoNotOptimize(cells.Text(row, column));
    }
}

void BM_ListScreenAtRandomPosition(benchmark::State& state) {
    QuietReporter reporter;
    RecordStore store(reporter);
    store.OpenBrowseSet(bench::SharedDatabase(kRecords), "bench", BuildSelectText(), BuildSortText("FREQ"), "");
    ListCellSource cells(store);
    const OnAirTest test(14 * 60 + 5, 3);
    std::mt19937 rng(3);
    for (auto _ : state) PaintScreen(cells, test, static_cast<int>(rng() % (kRecords - kScreenRows)));
}

void BM_ListScrollRowByRow(benchmark::State& state) {
    QuietReporter reporter;
    RecordStore store(reporter);
    store.OpenBrowseSet(bench::SharedDatabase(kRecords), "bench", BuildSelectText(), BuildSortText("STATION"), "");
    ListCellSource cells(store);
    const OnAirTest test(14 * 60 + 5, 3);
    int first = 0;
    for (auto _ : state) {
        PaintScreen(cells, test, first);
        first = (first + 1) % (kRecords - kScreenRows);
    }
}

}  // namespace

BENCHMARK(BM_ListScreenAtRandomPosition)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListScrollRowByRow)->Unit(benchmark::kMicrosecond);
