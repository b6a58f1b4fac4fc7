// Sorting a 100,000-record database by the distance from the listener, beside the list's usual
// sort by frequency and station, both on the program's own connection (its collation and LIKE).
// The distance is computed per row from the LATI and LONGI texts: a parse, and a geodesic per
// site until the connection remembers it. The generated records have nearly every one a site of
// its own (a real list has a few hundred), so the first sort solves about 100,000 geodesics: the
// _FirstSort case, with functions registered afresh before each run. The plain case is the
// requery the list repeats (every minute with the on-air filter, at every filter change).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <optional>
#include <vector>

#include "BenchmarkData.h"
#include "geo/GeoSqlFunctions.h"
#include "geo/ListenerLocation.h"
#include "store/SqliteDatabase.h"

namespace {

using namespace zofar;

constexpr int kRecords = 100000;

// Runs the key query once; kept out of line so that an instruction counter can tell its runs apart.
[[gnu::noinline]] size_t RunKeyQuery(Database& db, const std::string& sql) {
    Statement statement(db, sql);
    std::vector<int64_t> keys;
    keys.reserve(kRecords);
    while (statement.Step()) keys.push_back(statement.ColumnInt64(0));
    benchmark::DoNotOptimize(keys.data());
    return keys.size();
}

void RunSorted(benchmark::State& state, const std::string& orderBy, std::optional<ListenerLocation> listener,
               bool freshFunctions = false) {
    Database db(bench::SharedDatabase(kRecords), Database::Mode::OpenExisting);
    const auto location = std::make_shared<const std::optional<ListenerLocation>>(listener);
    RegisterGeoFunctions(db.Handle(), location);
    const std::string sql = "SELECT UNIQUEID FROM ZOFTABLE ORDER BY " + orderBy;
    // The list's first sort, outside the measurement: a requery follows one.
    if (!freshFunctions) RunKeyQuery(db, sql);
    for (auto _ : state) {
        if (freshFunctions) RegisterGeoFunctions(db.Handle(), location);
        state.counters["rows"] = static_cast<double>(RunKeyQuery(db, sql));
    }
}

constexpr ListenerLocation kBerlin{52.520833, 13.375};

void BM_SortByFreqStation(benchmark::State& state) { RunSorted(state, "FREQ, STATION", kBerlin); }

void BM_SortByDistanceFreq(benchmark::State& state) { RunSorted(state, "ZOFAR_DISTANCE(LATI, LONGI), FREQ", kBerlin); }

void BM_SortByDistanceFreq_FirstSort(benchmark::State& state) {
    RunSorted(state, "ZOFAR_DISTANCE(LATI, LONGI), FREQ", kBerlin, true);
}

// Without a location every distance is Null: the cost of calling the function at all.
void BM_SortByDistanceFreq_NoLocation(benchmark::State& state) {
    RunSorted(state, "ZOFAR_DISTANCE(LATI, LONGI), FREQ", std::nullopt);
}

}  // namespace

BENCHMARK(BM_SortByFreqStation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByDistanceFreq)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByDistanceFreq_FirstSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByDistanceFreq_NoLocation)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
