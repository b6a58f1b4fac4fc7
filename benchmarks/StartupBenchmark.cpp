// The program's start with a database of 100,000 records to reopen: settings, database and
// browse set, main window with its list built and shown, the first screen of cells painted.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>
#include <fstream>

#include "BenchmarkData.h"
#include "app/AppPaths.h"
#include "app/CMainFrame.h"
#include "app/ZofarProgram.h"
#include "base/Clock.h"

namespace {

using namespace zofar;

void BM_StartWithLargeDatabase(benchmark::State& state) {
    const std::filesystem::path db = bench::SharedDatabase(100000);
    const std::filesystem::path folder = db.parent_path();
    const std::string settings = (folder / "startup-benchmark.INI").string();
    FixedClock clock(UtcTime{2026, 12, 9, 14, 5, 0, 3});
    for (auto _ : state) {
        std::ofstream(settings) << "[Settings]\nDatabase=" << db.stem().string() << "\n";
        AppPaths paths{settings, folder.string() + "/", (folder / "zofar.dat").string(), ""};
        ZofarProgram program(paths, clock);
        program.Start();
        program.Frame().grab();  // paints the first screen of cells
    }
    std::filesystem::remove(settings);
}

}  // namespace

BENCHMARK(BM_StartWithLargeDatabase)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
