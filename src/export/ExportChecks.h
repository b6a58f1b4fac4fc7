#pragma once

#include <optional>
#include <string>

#include "base/Environment.h"
#include "export/ExportDialogs.h"

namespace zofar {

/// The control of the Export dialog a problem belongs to.
enum class ExportField { FileName, Columns };

struct ExportProblem {
    std::string message;
    ExportField focus = ExportField::FileName;
};

/// What keeps the dialog's choices from being exported: no file name, a file name that names a
/// folder or lies in a folder that does not exist, or a CSV export without a checked column.
/// Nothing when they can be exported. Whether the file can be written shows only in the writing.
std::optional<ExportProblem> CheckExportChoices(const ExportChoices& choices);

/// The file the dialog offers before the user has chosen one: for CSV and SDR++ NAME.csv and
/// NAME-sdrpp.json in the home folder, for gqrx its own bookmarks file
/// ($XDG_CONFIG_HOME, or ~/.config, + "/gqrx/bookmarks.csv"). Empty without a home folder.
std::string DefaultExportPath(ExportFormat format, const std::string& databaseName, const EnvironmentLookup& env);

}  // namespace zofar
