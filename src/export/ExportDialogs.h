#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "export/ExportFormat.h"
#include "output/ColumnChoice.h"

namespace zofar {

/// What the Export dialog shows and, on OK, hands back.
struct ExportChoices {
    ExportFormat format = ExportFormat::Csv;
    int scopeIndex = 2;  ///< the record scope minus 1: 0 selected record, 1 on the screen, 2 all
    /// The CSV columns offered, in the order they are written, and one check per offered line.
    ColumnChoice columns;
    std::vector<bool> checks;
    /// The file of each format, so switching the format brings its own file back.
    std::array<std::string, kExportFormatCount> paths{};
    bool merge = true;  ///< gqrx: merge into the existing bookmarks

    const std::string& Path() const { return paths[static_cast<std::size_t>(format)]; }
};

/// The export subsystem's part of the screen. The default answers Cancel.
class ExportDialogs {
public:
    virtual ~ExportDialogs() = default;

    /// The Export dialog filled with `choices`; the confirmed choices, nothing on Cancel.
    virtual std::optional<ExportChoices> RunExportDialog(const ExportChoices& /*choices*/) { return std::nullopt; }
};

}  // namespace zofar
