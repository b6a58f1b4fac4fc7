#include "app/AppPaths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <vector>

namespace zofar {

namespace {

// The base-directory rules accept only absolute paths from the environment.
std::optional<std::string> AbsoluteVariable(const EnvironmentLookup& env, const std::string& name) {
    auto value = env(name);
    if (value && !value->empty() && value->front() == '/') return value;
    return std::nullopt;
}

std::string HomeFolder(const EnvironmentLookup& env) {
    if (auto home = AbsoluteVariable(env, "HOME")) return *home;
    std::array<char, 4096> buffer{};
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return "/tmp";
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string ConfigFolder(const EnvironmentLookup& env) {
    if (auto config = AbsoluteVariable(env, "XDG_CONFIG_HOME")) return WithSlash(*config);
    return WithSlash(HomeFolder(env)) + ".config/";
}

std::string DataFolder(const EnvironmentLookup& env) {
    if (auto data = AbsoluteVariable(env, "XDG_DATA_HOME")) return WithSlash(*data) + "zofar/";
    return WithSlash(HomeFolder(env)) + ".local/share/zofar/";
}

std::string FolderOf(const std::string& executablePath) {
    const auto slash = executablePath.rfind('/');
    return slash == std::string::npos ? "./" : executablePath.substr(0, slash + 1);
}

// Like mkdir -p, private to the user as the base-directory rules ask. Failures are left for
// the first file operation in the folder to report.
void MakeFolders(const std::string& folder) {
    for (size_t pos = folder.find('/', 1); pos != std::string::npos; pos = folder.find('/', pos + 1)) {
        ::mkdir(folder.substr(0, pos).c_str(), 0700);
    }
    ::mkdir(folder.c_str(), 0700);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The first of the folders that holds `fileName`, or "" when none does.
std::string FirstHolding(std::initializer_list<std::string> folders, const std::string& fileName) {
    for (const std::string& folder : folders) {
        if (!folder.empty() && FileExists(folder + fileName)) return folder + fileName;
    }
    return {};
}

}  // namespace

std::string CurrentExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(n));
        if (buffer.size() >= 65536) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string ExecutableName(const std::string& executablePath) {
    const auto slash = executablePath.rfind('/');
    std::string name = slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

std::string SettingsFilePath(const std::string& executablePath, const EnvironmentLookup& env) {
    const std::string folder = ConfigFolder(env);
    MakeFolders(folder);
    return folder + ExecutableName(executablePath) + ".INI";
}

std::string InstalledDataFolder(const std::string& executablePath) {
    // The executable's path comes resolved from /proc/self/exe, so going up lexically is the
    // same as going up on disk.
    const std::filesystem::path program = std::filesystem::path(FolderOf(executablePath)).lexically_normal();
    const std::filesystem::path prefix = program.parent_path().parent_path();
    if (prefix.empty()) return {};
    const std::string folder = (prefix / "share" / "zofar").string() + "/";
    return FolderExists(folder) ? folder : std::string();
}

std::string DatabaseFolderPath(const std::string& executablePath, const EnvironmentLookup& env) {
    const std::string programFolder = FolderOf(executablePath);
    if (InstalledDataFolder(executablePath).empty() && ::access(programFolder.c_str(), W_OK | X_OK) == 0)
        return programFolder;
    const std::string data = DataFolder(env);
    MakeFolders(data);
    return data;
}

std::string FilterFilePath(const std::string& executablePath, const EnvironmentLookup& env) {
    return DatabaseFolderPath(executablePath, env) + ExecutableName(executablePath) + ".dat";
}

AppPaths ResolveAppPaths(const std::string& executablePath, const EnvironmentLookup& env) {
    AppPaths paths;
    const std::string name = ExecutableName(executablePath);
    paths.settingsFile = SettingsFilePath(executablePath, env);
    paths.databaseFolder = DatabaseFolderPath(executablePath, env);
    paths.filterFile = paths.databaseFolder + name + ".dat";
    const std::string programFolder = FolderOf(executablePath);
    const std::string installed = InstalledDataFolder(executablePath);
    paths.helpFile = FirstHolding({programFolder, installed}, name + ".html");
    if (paths.helpFile.empty()) paths.helpFile = DataFolder(env) + name + ".html";
    paths.sampleList = FirstHolding({programFolder, installed}, kSampleListFileName);
    return paths;
}

}  // namespace zofar
