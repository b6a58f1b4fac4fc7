// A whole HFCC season (10,000 lines, in its zip with the code tables) and a whole Aoki list
// (10,000 lines) imported into a new database with the extension columns, as Create does it:
// one transaction, real files. The lines are generated with varying frequencies, times, days,
// sites and dates.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "import/AokiImporter.h"
#include "import/HfccImporter.h"
#include "import/ScheduleTestSupport.h"
#include "store/RecordStore.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace {

using namespace zofar;

constexpr int kSeasonLines = 10000;

class PrintingReporter : public StoreErrorReporter {
public:
    void ReportStoreError(const std::string& d) override { std::fprintf(stderr, "store error: %s\n", d.c_str()); }
};

class SilentUi : public ImportUi {
public:
    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string&) override { return nullptr; }
    bool AskYesNo(const std::string&) override { return false; }
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
};

std::string Hhmm(int minutes) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d", minutes / 60 % 24, minutes % 60);
    return text;
}

std::string HfccSeason() {
    static const char* const kSites[] = {"NAU", "ISS", "XYZ"};
    static const char* const kDays[] = {"1234567", "23456", "17", "1"};
    std::vector<std::string> lines;
    for (int i = 0; i < kSeasonLines; ++i) {
        test::HfccFields f;
        f.freq = std::to_string(2300 + (i * 7) % 23600);
        f.start = Hhmm(i * 15 % 1440);
        f.stop = Hhmm(i * 15 % 1440 + 60);
        f.site = kSites[i % 3];
        f.days = kDays[i % 4];
        f.from = i % 2 ? "251025" : "011125";
        lines.push_back(test::HfccLine(f));
    }
    return test::HfccSchedule(lines);
}

std::string AokiSeason() {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < kSeasonLines; ++i) {
        rows.push_back({std::to_string(2300 + (i * 7) % 23600), "Radio " + std::to_string(i % 500),
                        Hhmm(i * 15 % 1440) + "-" + Hhmm(i * 15 % 1440 + 60), i % 2 ? "1234567" : ".23456.", "English",
                        "100", i % 5 ? "120" : "ND", "Somewhere", "J", "372221N1405056E", ""});
    }
    return test::AokiList({}, rows);
}

template <typename Import>
void RunImports(benchmark::State& state, const std::string& db, Import import) {
    PrintingReporter reporter;
    for (auto _ : state) {
        std::filesystem::remove(db);
        RecordStore store(reporter);
        store.CreateDatabaseFile(db, "BENCH", true);
        store.BeginImport();
        const EibiImportResult result = import(store);
        store.CommitImport();
        store.CloseStore();
        state.counters["records"] = static_cast<double>(result.stored);
    }
}

void BM_ImportHfccSeasonZip(benchmark::State& state) {
    test::TempDir dir;
    auto entries = test::HfccTables();
    entries.insert(entries.begin(), {"A26all00.TXT", HfccSeason()});
    if (!test::WriteZip(dir.file("a26allx2.zip"), entries)) {
        state.SkipWithError("the zip could not be written");
        return;
    }
    SilentUi ui;
    RunImports(state, dir.file("A26.mdb"),
               [&](RecordStore& store) { return ImportHfcc(dir.file("a26allx2.zip"), "", store, ui); });
}

void BM_ImportAokiSeason(benchmark::State& state) {
    test::TempDir dir;
    test::WriteBytes(dir.file("nzb25.txt"), AokiSeason());
    SilentUi ui;
    RunImports(state, dir.file("B25.mdb"),
               [&](RecordStore& store) { return ImportAoki(dir.file("nzb25.txt"), "", store, ui); });
}

}  // namespace

BENCHMARK(BM_ImportHfccSeasonZip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAokiSeason)->Unit(benchmark::kMillisecond);
