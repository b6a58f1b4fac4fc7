#pragma once

#include <string>

#include "base/Environment.h"

namespace zofar {

/// Where the program keeps its files. Folders end with '/'.
struct AppPaths {
    std::string settingsFile;    ///< config folder + executable name + ".INI"
    std::string databaseFolder;  ///< databases and the predefined filter file
    std::string filterFile;      ///< database folder + executable name + ".dat"
    /// Executable name + ".html", beside the program, in its installed data folder or else in
    /// the data folder.
    std::string helpFile;
    /// The bundled sample list, beside the program or in its installed data folder; empty when
    /// neither has one.
    std::string sampleList = {};
};

/// File name of the bundled sample list.
inline constexpr const char* kSampleListFileName = "sample-list.txt";

/// The running program's full path (from /proc/self/exe); empty when it cannot be read.
std::string CurrentExecutablePath();

/// The executable's file name without folder and without its extension ("ZOFAR.EXE" gives
/// "ZOFAR", "/usr/bin/zofar" gives "zofar").
std::string ExecutableName(const std::string& executablePath);

/// $XDG_CONFIG_HOME (or ~/.config) + "/" + executable name + ".INI". Creates the config folder
/// when it is missing; a folder that cannot be made shows up later as a failed save.
std::string SettingsFilePath(const std::string& executablePath, const EnvironmentLookup& env);

/// The read-only files of an installed copy, found from the executable so that an installed tree
/// can be moved: the program in PREFIX/bin/ has them in PREFIX/share/zofar/. Ends with '/';
/// empty when that folder does not exist, as for a build folder or a portable copy.
std::string InstalledDataFolder(const std::string& executablePath);

/// The executable's folder when the user may write there (a portable install, the build
/// folder), otherwise $XDG_DATA_HOME/zofar/ (or ~/.local/share/zofar/), created when missing.
/// An installed copy (one with an InstalledDataFolder) always uses the data folder: its bin/ is
/// shared by other programs even where it can be written. Always ends with '/'.
std::string DatabaseFolderPath(const std::string& executablePath, const EnvironmentLookup& env);

/// DatabaseFolderPath + executable name + ".dat": the named filters' file.
std::string FilterFilePath(const std::string& executablePath, const EnvironmentLookup& env);

/// All paths at once, for the start-up.
AppPaths ResolveAppPaths(const std::string& executablePath, const EnvironmentLookup& env);

}  // namespace zofar
