#pragma once

#include <string>
#include <vector>

#include "base/IniFile.h"
#include "fetch/ScheduleSource.h"

namespace zofar {

/// The settings file's section that overrides the sources' folders.
inline constexpr const char* kDownloadSection = "Download";

/// The folder `source`'s files are downloaded from: the settings' value, or the default.
std::string FolderUrlOf(const IniFile& settings, const ScheduleSource& source);

/// FolderUrlOf for every source, in the order of ScheduleSources().
std::vector<std::string> FolderUrls(const IniFile& settings);

/// Keeps `folderUrl` as `source`'s folder in `settings`; the default itself is not written.
void SetFolderUrl(IniFile& settings, const ScheduleSource& source, const std::string& folderUrl);

}  // namespace zofar
