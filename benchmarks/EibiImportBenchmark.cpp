// A whole EiBi season (about 10,000 lines: the shared excerpt's lines repeated) imported from
// its CSV and README into a new database, as Create does it: one transaction, real files.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/RegularFile.h"
#include "import/EibiImporter.h"
#include "store/RecordStore.h"
#include "support/TempDir.h"

namespace {

using namespace zofar;

constexpr int kSeasonLines = 10000;

class SilentReporter : public StoreErrorReporter {
public:
    void ReportStoreError(const std::string& d) override { std::fprintf(stderr, "store error: %s\n", d.c_str()); }
};

class SilentUi : public ImportUi {
public:
    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string&) override { return nullptr; }
    bool AskYesNo(const std::string&) override { return false; }
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
};

// The excerpt's header, then its data lines over and over up to kSeasonLines.
std::string SeasonFile(const std::string& excerpt) {
    std::istringstream in(excerpt);
    std::string header, line, data;
    std::getline(in, header);
    while (std::getline(in, line)) data += line + "\n";
    std::string season = header + "\n";
    long lines = 0;
    while (lines < kSeasonLines && !data.empty()) {
        season += data;
        lines += static_cast<long>(std::count(data.begin(), data.end(), '\n'));
    }
    return season;
}

void BM_ImportEibiSeason(benchmark::State& state) {
    test::TempDir dir;
    const auto excerpt = ReadRegularFile(ZOFAR_EIBI_DIR "sked-a26-excerpt.csv", kEibiMaxBytes);
    if (!excerpt) {
        state.SkipWithError("missing " ZOFAR_EIBI_DIR "sked-a26-excerpt.csv");
        return;
    }
    const std::string csv = dir.file("sked-a26.csv");
    std::ofstream(csv, std::ios::binary) << SeasonFile(*excerpt);
    std::filesystem::copy_file(ZOFAR_EIBI_DIR "README.TXT", dir.file("README.TXT"));

    SilentReporter reporter;
    SilentUi ui;
    const std::string db = dir.file("EIBI.mdb");
    for (auto _ : state) {
        std::filesystem::remove(db);
        RecordStore store(reporter);
        store.CreateDatabaseFile(db, "EIBI");
        store.BeginImport();
        const auto result = ImportEibiCsv(csv, "", store, ui);
        store.CommitImport();
        store.CloseStore();
        state.counters["records"] = static_cast<double>(result.stored);
    }
}

}  // namespace

BENCHMARK(BM_ImportEibiSeason)->Unit(benchmark::kMillisecond);
