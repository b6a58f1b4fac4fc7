#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/CommandId.h"

namespace zofar {
class ConsoleUi;
class CZOFDoc;
struct UtcTime;
}

namespace zofar::cli {

/// Exit status of a command line the tool could not understand.
inline constexpr int kUsageError = 2;

/// Options several commands share. Empty: the zofar program's own file or folder.
struct CommonOptions {
    std::string settings;  ///< --settings FILE
    std::string folder;    ///< --folder DIR
    std::string now;       ///< --now YYYY-MM-DDTHH:MMZ, empty for the system clock
    std::string filter;    ///< --filter NAME: a named filter instead of the settings' criteria
    std::string file;      ///< --file FILE, the named filters' file
};

struct ImportOptions {
    std::string folder;
    std::string list;
    std::string name;
    std::string kind;   ///< --kind text|dbase|eibi; empty: by the list's extension
    std::string codes;  ///< --codes FILE, EiBi's README.TXT
    bool yes = false;
    bool replace = false;
};

/// The list command's distance columns.
struct DistanceOptions {
    bool withDistance = false;  ///< --with-distance: DISTANCE and BEARING after UNIQUEID
    std::string locator;        ///< --locator LOC; empty: the settings' location
};
/// The settings file the options name, or the zofar program's own.
std::string SettingsFileOf(const CommonOptions& options);
/// The database folder `folder` names, ending with '/', or the zofar program's own.
std::string DatabaseFolderOf(const std::string& folder);

/// Each command returns the exit status.
int RunImport(const ImportOptions& options);
int RunCondition(const CommonOptions& options);
/// With `distance.withDistance` and no location to measure from (none stored, a --locator that
/// does not read), a message on standard error and exit status 1, before any row is printed.
int RunList(const CommonOptions& options, const std::string& name, const DistanceOptions& distance = {});

/// Opens `name` with the settings' sort key and filter (or the named filter of --filter) as
/// `list` does, at the time of --now, and returns what `use` returns for the document and that
/// time. kUsageError for a bad --now or an unknown named filter; 1 when the database cannot be
/// opened.
int WithSelection(const CommonOptions& options, const std::string& name,
                  const std::function<int(const CZOFDoc& doc, const UtcTime& now)>& use);
/// Prints the names of the named filters' file in list order, one per line.
int RunFilters(const CommonOptions& options);

/// Prints the clipboard text of all records of `name` as the settings choose the columns, the
/// separator, the filter and the sort, followed by one line feed; nothing for no records.
int RunCopy(const CommonOptions& options, const std::string& name);

/// What the export command writes.
struct ExportOptions {
    std::string name;    ///< the database
    std::string out;     ///< the file to write
    std::string format;  ///< csv, gqrx or sdrpp
    bool merge = false;  ///< gqrx: merge into an existing bookmarks file
};

/// Writes all records of the database, in the settings' (or the named) filter and sort, to the
/// file as Database > Export does; CSV with every list column in table order. Prints
/// "Exported N entries to FILE." on success.
int RunExport(const CommonOptions& options, const ExportOptions& exportOptions);

/// Opens the database `name` as the program does at start-up (with the settings' sort key and
/// filter) and runs the document command `command` with `ui` as its screen. The exit status:
/// 0; 1 when the database cannot be opened or the command showed a message; kUsageError for
/// a bad --now.
int RunDocumentCommand(const CommonOptions& options, const std::string& name, ConsoleUi& ui, CommandId command);

}  // namespace zofar::cli
