// Browse-set costs on a 100,000-record database: opening, requeries and supplying a screen of
// cells, each beside the same key query on a plain SQLite connection (stock NOCASE and LIKE).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <random>

#include "BenchmarkData.h"
#include "store/RecordStore.h"

namespace {

using namespace zofar;

constexpr int kRecords = 100000;

class SilentReporter : public StoreErrorReporter {
public:
    void ReportStoreError(const std::string& d) override { std::fprintf(stderr, "store error: %s\n", d.c_str()); }
};

struct OpenStore {
    SilentReporter reporter;
    RecordStore store{reporter};
    OpenStore() {
        store.OpenBrowseSet(bench::SharedDatabase(kRecords), "bench", BuildSelectText(), BuildSortText("FREQ"), "");
    }
};

// One run of a key query on a plain connection; kept out of line so that an instruction
// counter can tell its runs apart (benchmarks/instruction-counts.sh).
[[gnu::noinline]] size_t RunStockQuery(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    std::vector<int64_t> keys;
    while (sqlite3_step(st) == SQLITE_ROW) keys.push_back(sqlite3_column_int64(st, 0));
    sqlite3_finalize(st);
    benchmark::DoNotOptimize(keys.data());
    return keys.size();
}

// The same key query on a connection that knows only SQLite's own NOCASE and LIKE ('%').
void RunStock(benchmark::State& state, const std::string& sortText, std::string condition) {
    std::replace(condition.begin(), condition.end(), '*', '%');
    sqlite3* db = nullptr;
    sqlite3_open_v2(bench::SharedDatabase(kRecords).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const std::string sql =
        "SELECT UNIQUEID FROM ZOFTABLE" + (condition.empty() ? "" : " WHERE " + condition) + " ORDER BY " + sortText;
    for (auto _ : state) state.counters["rows"] = static_cast<double>(RunStockQuery(db, sql));
    sqlite3_close(db);
}

void BM_OpenSortedByFreq(benchmark::State& state) {
    const auto& path = bench::SharedDatabase(kRecords);
    SilentReporter reporter;
    for (auto _ : state) {
        RecordStore store(reporter);
        store.OpenBrowseSet(path, "BENCH", BuildSelectText(), BuildSortText("FREQ"), "");
        state.counters["rows"] = store.RecordCount();
    }
}

void BM_RequeryFreq(benchmark::State& state) {
    OpenStore s;
    for (auto _ : state) s.store.RequeryBrowseSet(BuildSortText("FREQ"), "");
}

void BM_RequeryFreq_Stock(benchmark::State& state) { RunStock(state, BuildSortText("FREQ"), ""); }

void BM_RequeryOnAirNow(benchmark::State& state) {
    OpenStore s;
    for (auto _ : state) s.store.RequeryBrowseSet(BuildSortText("FREQ"), bench::OnAirCondition());
    state.counters["rows"] = s.store.RecordCount();
}

void BM_RequeryOnAirNow_Stock(benchmark::State& state) {
    RunStock(state, BuildSortText("FREQ"), bench::OnAirCondition());
}

void BM_RequeryStation(benchmark::State& state) {
    OpenStore s;
    for (auto _ : state) s.store.RequeryBrowseSet(BuildSortText("STATION"), "");
}

void BM_RequeryStation_Stock(benchmark::State& state) { RunStock(state, BuildSortText("STATION"), ""); }

void ReadScreen(RecordStore& store, int first) {
    for (int r = first; r < first + 50; ++r)
        for (int f = 0; f < 24; ++f) benchmark::DoNotOptimize(store.GetFieldValue(r, f));
}

void BM_ScreenAtRandomPosition(benchmark::State& state) {
    OpenStore s;
    std::mt19937 rng(1);
    for (auto _ : state) ReadScreen(s.store, static_cast<int>(rng() % (kRecords - 50)));
}

void BM_NextScreen(benchmark::State& state) {
    OpenStore s;
    int first = 0;
    for (auto _ : state) {
        ReadScreen(s.store, first);
        first = (first + 50) % (kRecords - 50);
    }
}

}  // namespace

BENCHMARK(BM_OpenSortedByFreq)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RequeryFreq)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RequeryFreq_Stock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RequeryOnAirNow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RequeryOnAirNow_Stock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RequeryStation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RequeryStation_Stock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenAtRandomPosition)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextScreen)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
