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

inline constexpr std::string_view kAokiOpenErrorMessage = "Error opening the Aoki source file!";
inline constexpr std::string_view kAokiNoValidLineMessage =
    "The Aoki source file holds no valid schedule line!\nPlease select an Aoki (NDXC) list (a season's zip such as "
    "nzb25.zip, or its nzb25.txt).";

/// Reads the Aoki list at `path` (the season's zip or its text) and hands one record per valid
/// line, in file order, to `sink`, under the import progress window. The lines before the first
/// header are passed over; a later header sets the columns anew. COUNTRY names come from HFCC's
/// admin.txt when one is found (in `codesFolder`, else the zip, else beside `path`). The list
/// and every entry of the zip may unpack to at most `maxBytes`. Fails after a message saying
/// why, or kAokiNoValidLineMessage. Neither begins nor ends a transaction.
EibiImportResult ImportAoki(const std::string& path, const std::string& codesFolder, RecordSink& sink, ImportUi& ui,
                            std::size_t maxBytes = kZipEntryMaxBytes);

/// The same over the list's bytes (UTF-8, or code page 1252 when it is not).
EibiImportResult ImportAokiText(std::string_view list, const HfccCodeTables* countries, RecordSink& sink, ImportUi& ui);

/// Whether `path` is an Aoki list or a zip holding one (IsAokiListHead).
bool HoldsAokiList(const std::string& path);

}  // namespace zofar
