// A go-to search over 100,000 records once the list is sorted by its column: the station
// substring search of the Go to menu and the frequency search a receiver report starts.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchmarkData.h"
#include "receiver/LittleEndian.h"
#include "document/CZOFDoc.h"
#include "support/FakeScreen.h"

namespace {

using namespace zofar;

struct OpenDocument {
    test::FakeScreen ui;
    FixedClock clock{UtcTime{2026, 12, 9, 14, 5, 0, 3}};
    CZOFDoc doc;

    OpenDocument()
        : doc(DocumentScreen::Of(ui), clock,
              DocumentPaths{"", std::filesystem::path(bench::SharedDatabase(100000)).parent_path().string() + "/"}) {
        ui.selectAnswers.push_back(std::filesystem::path(bench::SharedDatabase(100000)).stem().string());
        doc.OnDatabaseOpen();
    }
};

void BM_GoToStationSubstring(benchmark::State& state) {
    OpenDocument d;
    d.doc.SortBy("STATION");
    for (auto _ : state) {
        d.ui.goToTextAnswers.push_back(GoToTextEntry{"radio", false});
        d.doc.Execute(CommandId::GoToStation);
        d.ui.hints.clear();
    }
    state.counters["found"] = d.doc.CurrentPosition();
}

void BM_ReceiverFrequencyReport(benchmark::State& state) {
    OpenDocument d;
    std::vector<uint8_t> data(4);
    PutU32LittleEndian(data.data(), 9420000);
    for (auto _ : state) {
        d.doc.OnReceiverData(10001, data);
        d.ui.hints.clear();
    }
    state.counters["found"] = d.doc.CurrentPosition();
}

}  // namespace

BENCHMARK(BM_GoToStationSubstring)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReceiverFrequencyReport)->Unit(benchmark::kMillisecond);
