// The whole requery cycle of the document with the on-air-now filter over 100,000 records:
// anchor, requery, find the anchor again, as the list's one-minute timer runs it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchmarkData.h"
#include "document/CZOFDoc.h"
#include "support/FakeScreen.h"

namespace {

using namespace zofar;

void BM_RequeryCycleOnAirNow(benchmark::State& state) {
    const std::filesystem::path db = bench::SharedDatabase(100000);
    test::FakeScreen ui;
    FixedClock clock(UtcTime{2026, 12, 9, 14, 5, 0, 3});
    CZOFDoc doc(DocumentScreen::Of(ui), clock, DocumentPaths{"", db.parent_path().string() + "/"});
    ui.selectAnswers.push_back(db.stem().string());
    doc.OnDatabaseOpen();
    FilterCriteria c = doc.Settings().criteria;
    c.BFOnair = 1;
    c.BFOnairNow = 1;
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    ui.listRows = {-1, 0, 49};  // nothing selected: the middle visible row is the anchor
    for (auto _ : state) {
        doc.RequeryCycle();
        ui.statusTexts.clear();
        ui.hints.clear();
    }
    state.counters["rows"] = doc.RecordCount();
}

}  // namespace

BENCHMARK(BM_RequeryCycleOnAirNow)->Unit(benchmark::kMillisecond);
