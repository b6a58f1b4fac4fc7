#include "export/ExportFile.h"

#include <sys/stat.h>

#include <optional>

#include "base/AtomicFile.h"
#include "base/RegularFile.h"
#include "export/Bookmark.h"
#include "export/CsvText.h"
#include "export/GqrxBookmarks.h"
#include "export/SdrppFrequencyList.h"

namespace zofar {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

std::string ExportFileText(const ExportTable& table, const ExportTarget& target, const std::string* existing,
                           int& entries) {
    if (target.format == ExportFormat::Csv) {
        entries = static_cast<int>(table.rows.size());
        return CsvText(table);
    }
    const std::vector<Bookmark> bookmarks = BookmarksOf(table);
    entries = static_cast<int>(bookmarks.size());
    if (target.format == ExportFormat::Sdrpp) return SdrppFrequencyListText(bookmarks);
    if (!existing) return GqrxBookmarksText(bookmarks);
    const GqrxBookmarksFile file = ParseGqrxBookmarks(*existing);
    return GqrxBookmarksText(bookmarks, &file);
}

ExportOutcome WriteExportFile(const ExportTable& table, const ExportTarget& target) {
    ExportOutcome outcome;
    const bool gqrx = target.format == ExportFormat::Gqrx;
    std::optional<std::string> existing;
    if (gqrx && target.merge && Exists(target.path)) {
        existing = ReadRegularFile(target.path, kMaxBookmarksFileBytes);
        if (!existing || existing->find('\0') != std::string::npos) {
            outcome.message = "The bookmarks file \"" + target.path +
                              "\" cannot be read as a gqrx bookmarks file.\nNothing was written; the file is as it "
                              "was.";
            return outcome;
        }
    }
    const std::string text = ExportFileText(table, target, existing ? &*existing : nullptr, outcome.entries);
    if (!WriteFileAtomically(target.path, text, gqrx ? ".bak" : "")) {
        outcome.message = "The file \"" + target.path +
                          "\" could not be written.\nPlease check that its folder exists and may be written to.";
        outcome.entries = 0;
        return outcome;
    }
    outcome.written = true;
    outcome.message = "Exported " + std::to_string(outcome.entries) + " entries to " + target.path + ".";
    return outcome;
}

}  // namespace zofar
