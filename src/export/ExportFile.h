#pragma once

#include <cstddef>
#include <string>

#include "export/ExportFormat.h"
#include "export/ExportTable.h"

namespace zofar {

/// The largest gqrx bookmarks file a merge reads; a larger one is not a bookmarks file.
inline constexpr std::size_t kMaxBookmarksFileBytes = 16u << 20;

/// Where and how an export writes.
struct ExportTarget {
    ExportFormat format = ExportFormat::Csv;
    std::string path;
    /// gqrx only: the user's lines of an existing file are kept, ZOFAR's earlier ones replaced.
    bool merge = false;
};

/// How an export ended.
struct ExportOutcome {
    bool written = false;
    int entries = 0;  ///< the rows (CSV) or bookmarks written
    /// On success "Exported N entries to FILE.", otherwise what went wrong, for a message box.
    std::string message;
};

/// The file text of the table in the target's format; for a gqrx merge `existing` is the old
/// file's text. `entries` receives the rows or bookmarks it holds.
std::string ExportFileText(const ExportTable& table, const ExportTarget& target, const std::string* existing,
                           int& entries);

/// Writes the table to the target's file atomically. A gqrx file that exists is kept beside the
/// new one as "<file>.bak". For a merge an existing file that cannot be read, is larger than
/// kMaxBookmarksFileBytes or holds NUL bytes stops the export before anything is written.
ExportOutcome WriteExportFile(const ExportTable& table, const ExportTarget& target);

}  // namespace zofar
