#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "import/EibiImporter.h"
#include "import/ImportUi.h"
#include "store/BroadcastRecord.h"

namespace zofar {

/// What a schedule's line gives.
struct ScheduleLine {
    std::optional<BroadcastRecord> record;  ///< nothing: the line does not read
    bool counts = true;                     ///< false for a comment or header: neither stored nor skipped
};

/// Hands the record of every line of `text` (without its line end; blank lines are passed
/// over) to `sink` in file order, moving `progress` along. Counts the records stored and the
/// lines skipped; with no record at all shows `noValidLine` and fails. A sink failure ends the
/// import at once, the sink having reported it.
EibiImportResult ImportScheduleLines(std::string_view text, const std::function<ScheduleLine(std::string_view)>& read,
                                     RecordSink& sink, ImportUi& ui, ImportProgress& progress,
                                     std::string_view noValidLine);

}  // namespace zofar
