#pragma once

#include <string>

#include "base/Environment.h"

namespace zofar {

/// Where the program keeps its files. Folders end with '/'.
struct AppPaths {
    std::string settingsFile;    ///< config folder + executable name + ".INI"
    std::string databaseFolder;  ///< databases and the predefined filter file
    std::string filterFile;      ///< database folder + executable name + ".dat"
    /// Executable name + ".html", beside the program or else in the data folder.
    std::string helpFile;
};

/// The running program's full path (from /proc/self/exe); empty when it cannot be read.
std::string CurrentExecutablePath();

/// The executable's file name without folder and without its extension ("ZOFAR.EXE" gives
/// "ZOFAR", "/usr/bin/zofar" gives "zofar").
std::string ExecutableName(const std::string& executablePath);

/// $XDG_CONFIG_HOME (or ~/.config) + "/" + executable name + ".INI". Creates the config folder
/// when it is missing; a folder that cannot be made shows up later as a failed save.
std::string SettingsFilePath(const std::string& executablePath, const EnvironmentLookup& env);

/// The executable's folder when the user may write there (a portable install, the build
/// folder), otherwise $XDG_DATA_HOME/zofar/ (or ~/.local/share/zofar/), created when missing.
/// Always ends with '/'.
std::string DatabaseFolderPath(const std::string& executablePath, const EnvironmentLookup& env);

/// DatabaseFolderPath + executable name + ".dat": the named filters' file.
std::string FilterFilePath(const std::string& executablePath, const EnvironmentLookup& env);

/// All paths at once, for the start-up.
AppPaths ResolveAppPaths(const std::string& executablePath, const EnvironmentLookup& env);

}  // namespace zofar
