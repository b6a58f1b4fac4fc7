#pragma once

#include <string>

#include "cli/CliCommands.h"

namespace zofar::cli {

/// What the chart command draws besides the common options.
struct ChartOptions {
    std::string out;           ///< the file to write, PNG, SVG or PDF by its extension
    std::string band = "all";  ///< a band's command-line name
    int width = 1200;          ///< pixels (points for a PDF)
    int height = 800;
};

/// Draws the band chart of the records the list shows for `name` (the settings' filter or the
/// named filter of --filter) at the time of --now into `options.out`. Runs the toolkit on the
/// offscreen platform, so no display is needed.
int RunChart(const CommonOptions& common, const ChartOptions& options, const std::string& name);

}  // namespace zofar::cli
