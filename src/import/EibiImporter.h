#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

#include "import/EibiCodeTables.h"
#include "import/ImportUi.h"
#include "store/BroadcastRecord.h"

namespace zofar {

inline constexpr std::string_view kEibiOpenErrorMessage = "Error opening the EiBi source file!";
inline constexpr std::string_view kEibiCodesOpenErrorMessage = "Error opening the EiBi code file (README.TXT)!";
inline constexpr std::string_view kEibiNoValidLineMessage =
    "The EiBi source file holds no valid schedule line!\nPlease select an EiBi CSV file (sked-*.csv).";

/// A schedule larger than this is refused as unreadable; a whole season is about 1 MB.
inline constexpr std::size_t kEibiMaxBytes = std::size_t{64} << 20;

/// How an EiBi import ended: `stored` records handed to the sink, `skipped` lines whose
/// frequency or time did not read (the header and blank lines count as neither).
struct EibiImportResult {
    bool ok = false;
    long long stored = 0;
    long long skipped = 0;
};

/// Reads the EiBi schedule at `csvPath` and hands one record per valid line, in file order, to
/// `sink`, under the import progress window. The names come from the README at `codesPath`, or,
/// when that is empty, from a file named README.TXT in any letter case beside the CSV; with
/// neither, the name columns stay Null. Fails after kEibiOpenErrorMessage (CSV unreadable),
/// kEibiCodesOpenErrorMessage (README there but unreadable) or kEibiNoValidLineMessage; a sink
/// failure ends the import at once, the sink having reported it. Neither begins nor ends a
/// transaction nor closes the store.
EibiImportResult ImportEibiCsv(const std::string& csvPath, const std::string& codesPath, RecordSink& sink,
                               ImportUi& ui);

/// The same import over a stream read to its end (at most kEibiMaxBytes), with the tables
/// already read, or none (`codes` null).
EibiImportResult ImportEibiCsvStream(std::istream& csv, const EibiCodeTables* codes, RecordSink& sink, ImportUi& ui);

/// The README.TXT (any letter case) in the folder of `csvPath`, or "" when there is none.
std::string FindEibiCodesFile(const std::string& csvPath);

/// "376 records stored, 2 lines skipped": the status text after an import.
std::string EibiImportSummary(const EibiImportResult& result);

}  // namespace zofar
