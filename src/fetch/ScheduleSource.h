#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fetch/Season.h"

namespace zofar {

/// What a downloaded file must look like to be taken.
enum class ScheduleFileKind {
    EibiCsv,     ///< EiBi's season schedule: its header line first
    EibiCodes,   ///< EiBi's README.TXT with the names of the codes
    ZipArchive,  ///< a ZIP archive (HFCC, Aoki)
};

/// One file of a season: its name pattern and what it must look like.
struct ScheduleFile {
    std::string_view pattern;  ///< "{season}" stands for "b26", "{SEASON}" for "B26"
    ScheduleFileKind kind = ScheduleFileKind::EibiCsv;
};

/// A schedule the program can download: one row per publisher. Adding a publisher is adding a
/// row; a row without an import kind downloads nothing and says its import is not there yet.
struct ScheduleSource {
    std::string_view name;            ///< "eibi": the command line's and the cache folder's name
    std::string_view label;           ///< "EiBi": the name the user reads
    std::string_view databasePrefix;  ///< "EIBI": databases are named "EIBI-B26"
    std::string_view settingsKey;     ///< the key of section [Download] that overrides the folder
    /// The folder holding a season's files; "{season}"/"{SEASON}" are replaced as in file names.
    std::string_view defaultFolder;
    std::array<ScheduleFile, 2> files;  ///< the first is the list itself; an empty pattern: none
    /// The command-line name of the source kind whose import Create runs on the first file.
    std::string_view importKind;
};

/// The sources in the order the dialog lists them.
std::span<const ScheduleSource> ScheduleSources();

/// The source named `name` (letter case ignored), or null.
const ScheduleSource* FindScheduleSource(std::string_view name);

/// `pattern` with "{season}" and "{SEASON}" replaced.
std::string ExpandSeason(std::string_view pattern, const Season& season);

/// The file names of `season`, in the source's order.
std::vector<std::string> SeasonFileNames(const ScheduleSource& source, const Season& season);

/// `folderUrl` (season placeholders expanded) joined with `fileName` by exactly one '/'.
std::string FileUrl(std::string_view folderUrl, const Season& season, std::string_view fileName);

/// "EIBI-B26": the database a season's download becomes.
std::string ScheduleDatabaseName(const ScheduleSource& source, const Season& season);

/// The season of a database named as ScheduleDatabaseName names it (letter case ignored), or
/// nothing for any other name.
std::optional<Season> SeasonOfScheduleDatabase(std::string_view databaseName);


}  // namespace zofar
