#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "import/EibiImporter.h"
#include "import/HfccCodeTables.h"
#include "import/ImportUi.h"
#include "import/ZipArchive.h"
#include "store/BroadcastRecord.h"

namespace zofar {

inline constexpr std::string_view kHfccOpenErrorMessage = "Error opening the HFCC source file!";
inline constexpr std::string_view kHfccNoValidLineMessage =
    "The HFCC source file holds no valid schedule line!\nPlease select an HFCC season's zip (such as a26allx2.zip) "
    "or its schedule (such as A26all00.TXT).";

/// Reads the HFCC schedule at `path` (the season's zip or its schedule text) and hands one
/// record per valid line, in file order, to `sink`, under the import progress window. The code
/// tables come from `codesFolder`, else the zip, else beside `path` (ScheduleFiles); without
/// them the codes stand for the names. The list and every entry of the zip may unpack to at
/// most `maxBytes`. Fails after a message saying why, or kHfccNoValidLineMessage; a sink
/// failure ends the import at once. Neither begins nor ends a transaction.
EibiImportResult ImportHfcc(const std::string& path, const std::string& codesFolder, RecordSink& sink, ImportUi& ui,
                            std::size_t maxBytes = kZipEntryMaxBytes);

/// The same over the schedule's bytes with the tables already read (or none: `tables` null).
EibiImportResult ImportHfccText(std::string_view schedule, const HfccCodeTables* tables, RecordSink& sink,
                                ImportUi& ui);

/// Whether `path` is an HFCC schedule or a zip holding one (IsHfccScheduleHead).
bool HoldsHfccSchedule(const std::string& path);

}  // namespace zofar
