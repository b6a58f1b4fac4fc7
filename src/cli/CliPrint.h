#pragma once

#include <string>

#include "cli/CliCommands.h"

namespace zofar::cli {

/// Writes all records of `name`, as the settings choose the columns, borders, font height,
/// filter and sort, as A4 pages into the PDF file `pdfPath`. Runs the toolkit on the offscreen
/// platform, so no display is needed.
int RunPrint(const CommonOptions& options, const std::string& pdfPath, const std::string& name);

}  // namespace zofar::cli
