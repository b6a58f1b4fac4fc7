#include "cli/CliChart.h"

#include <QGuiApplication>

#include <cstdio>

#include "chart/ChartFile.h"
#include "chart/ChartRecordReader.h"
#include "document/CZOFDoc.h"

namespace zofar::cli {

int RunChart(const CommonOptions& common, const ChartOptions& options, const std::string& name) {
    const BandPreset* band = FindBandPreset(options.band);
    if (band == nullptr) {
        std::fprintf(stderr, "zofar-cli: there is no band \"%s\"\n", options.band.c_str());
        return kUsageError;
    }
    // The labels are drawn with the toolkit's fonts; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char program[] = "zofar-cli";
    char* argv[] = {program, nullptr};
    QGuiApplication app(argc, argv);

    return WithSelection(common, name, [&](const CZOFDoc& doc, const UtcTime& now) {
        const auto records = ReadChartRecords(doc.Store(), now);
        if (!records) return 1;
        BandChartScene scene;
        scene.records = *records;
        scene.range = band->range;
        scene.now = now;
        const std::string error = SaveBandChart(options.out, scene, options.width, options.height);
        if (!error.empty()) {
            std::fprintf(stderr, "zofar-cli: %s\n", error.c_str());
            return 1;
        }
        return 0;
    });
}

}  // namespace zofar::cli
