#pragma once

#include <string>

#include "cli/CliCommands.h"

namespace zofar::cli {

struct FetchOptions {
    CommonOptions common;  ///< --folder and --settings
    std::string source;
    std::string season;  ///< --season; empty: the current one
    std::string url;     ///< --url, the folder of the season's files; empty: the settings' or default
    std::string name;    ///< empty: source and season ("EIBI-B26")
};

/// Downloads the season's files and builds their database as Database > Download schedule does.
/// Progress goes to standard error when that is a terminal; the result is one line. The exit
/// status: 0 when the database is current (downloaded or found unchanged); 1 when it is not
/// (a failure, or an older cached copy stood in); kUsageError for options that do not read.
int RunFetch(const FetchOptions& options);

}  // namespace zofar::cli
