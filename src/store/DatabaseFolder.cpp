#include "store/DatabaseFolder.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "store/JetText.h"

namespace zofar {

namespace {

bool HasMdbExtension(const std::string& fileName) {
    return fileName.size() > 4 && EqualIgnoringCase(std::string_view(fileName).substr(fileName.size() - 4), ".mdb");
}

// The store's order, with the bytes deciding between names that differ only in letter case, so
// the order is total.
bool ListedBefore(std::string_view a, std::string_view b) {
    const int order = CompareGeneral(a, b);
    return order != 0 ? order < 0 : a < b;
}

}  // namespace

bool IsPlainDatabaseName(std::string_view name) {
    if (name == "." || name == "..") return false;
    return name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

bool SameDatabaseName(std::string_view a, std::string_view b) { return EqualIgnoringCase(a, b); }

void SortDatabaseNames(std::vector<std::string>& names) { std::stable_sort(names.begin(), names.end(), ListedBefore); }

std::vector<DatabaseFile> DatabaseFolder::Files() const {
    namespace fs = std::filesystem;
    std::vector<DatabaseFile> files;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder_), ec);
    if (ec) return files;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string fileName = it->path().filename().string();
        if (HasMdbExtension(fileName)) files.push_back({fileName.substr(0, fileName.size() - 4), fileName});
    }
    std::sort(files.begin(), files.end(),
              [](const DatabaseFile& a, const DatabaseFile& b) { return ListedBefore(a.title, b.title); });
    return files;
}

std::vector<std::string> DatabaseFolder::Names() const {
    std::vector<std::string> names;
    for (auto& file : Files()) names.push_back(std::move(file.title));
    return names;
}

size_t DatabaseFolder::LongestName() const {
    // A folder not yet made (or unreadable) is taken to be on the usual file system.
    const long limit = ::pathconf(folder_.c_str(), _PC_NAME_MAX);
    const size_t nameMax = limit > 0 ? static_cast<size_t>(limit) : 255;
    return nameMax > kDatabaseFileNameOverhead ? nameMax - kDatabaseFileNameOverhead : 0;
}

std::string DatabaseFolder::PathOf(const std::string& name) const { return folder_ + name + ".mdb"; }

std::string DatabaseFolder::ExistingPathOf(const std::string& name) const {
    std::error_code ec;
    const std::string path = PathOf(name);
    if (std::filesystem::exists(path, ec)) return path;
    for (const auto& file : Files()) {
        if (file.title == name) return folder_ + file.fileName;
    }
    return path;
}

std::string DatabaseFolder::BuildPathOf(const std::string& name) const { return folder_ + "." + name + ".mdb.new"; }

bool DatabaseFolder::InstallBuilt(const std::string& name, bool replace) const {
    std::error_code ec;
    const std::string finalPath = PathOf(name);
    if (!replace && std::filesystem::exists(finalPath, ec)) return false;
    std::filesystem::rename(BuildPathOf(name), finalPath, ec);
    if (ec) return false;
    if (replace) {
        for (const auto& file : Files()) {
            if (SameDatabaseName(file.title, name) && file.fileName != name + ".mdb") {
                std::filesystem::remove(folder_ + file.fileName, ec);
            }
        }
    }
    return true;
}

void DatabaseFolder::Remove(const std::string& title) const {
    const auto files = Files();
    const auto it =
        std::find_if(files.begin(), files.end(), [&title](const DatabaseFile& file) { return file.title == title; });
    std::error_code ec;
    std::filesystem::remove(folder_ + (it != files.end() ? it->fileName : title + ".mdb"), ec);
}

}  // namespace zofar
