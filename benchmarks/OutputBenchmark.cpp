// What "All records" costs on the clipboard: the text of a 100,000-record browse set with every
// column, and with the two columns a frequency list needs.
#include <benchmark/benchmark.h>

#include "BenchmarkData.h"
#include "output/ClipboardText.h"
#include "store/RecordStore.h"

namespace {

using namespace zofar;

class QuietReporter : public StoreErrorReporter {
public:
    void ReportStoreError(const std::string&) override {}
};

constexpr int kRecords = 100000;

void ExportAll(benchmark::State& state, const ColumnFlags& flags) {
    QuietReporter reporter;
    RecordStore store(reporter);
    store.OpenBrowseSet(bench::SharedDatabase(kRecords), "bench", BuildSelectText(), BuildSortText("FREQ"), "");
    for (auto _ : state) {
        const ClipboardExport result = ExportClipboardText(store, 0, kRecords - 1, ColumnLayout{}, flags, true);
        benchmark::DoNotOptimize(result.text.data());
        state.counters["MB"] = static_cast<double>(result.text.size()) / 1.0e6;
    }
}

void BM_ClipboardAllRecordsAllColumns(benchmark::State& state) {
    ColumnFlags flags;
    flags.fill(true);
    ExportAll(state, flags);
}

void BM_ClipboardAllRecordsFrequencyAndStation(benchmark::State& state) {
    ColumnFlags flags{};
    flags[0] = flags[1] = true;
    ExportAll(state, flags);
}

}  // namespace

BENCHMARK(BM_ClipboardAllRecordsAllColumns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClipboardAllRecordsFrequencyAndStation)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
