#include "store/CreateDatabaseChecks.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "store/JetText.h"

namespace zofar {

namespace {

bool HasMdbExtension(const std::string& fileName) {
    return fileName.size() > 4 && EqualIgnoringCase(std::string_view(fileName).substr(fileName.size() - 4), ".mdb");
}

}  // namespace

bool IsPlainDatabaseName(std::string_view name) {
    if (name == "." || name == "..") return false;
    return name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

bool SameDatabaseName(std::string_view a, std::string_view b) { return EqualIgnoringCase(a, b); }

CreateCheckResult CheckCreateDatabase(const std::string& name, const std::string& sourcePath,
                                      const std::vector<std::string>& existingNames,
                                      const CreateCheckPrompts& prompts) {
    CreateCheckResult result;
    if (name.empty()) {
        prompts.showMessage(std::string(kEnterNameMessage));
        result.focus = CreateDialogField::Name;
        return result;
    }
    // A name with a path separator would put the file outside the database folder.
    if (!IsPlainDatabaseName(name)) {
        prompts.showMessage(std::string(kBadNameMessage));
        result.focus = CreateDialogField::Name;
        return result;
    }
    if (sourcePath.empty()) {
        prompts.showMessage(std::string(kSelectSourceMessage));
        result.focus = CreateDialogField::SelectSourceButton;
        return result;
    }
    for (const auto& existing : existingNames) {
        if (!SameDatabaseName(existing, name)) continue;
        if (!prompts.askYesNo(std::string(kReplaceQuestion))) {
            prompts.showMessage(std::string(kDifferentNameMessage));
            result.focus = CreateDialogField::Name;
            result.replace = false;
            return result;
        }
        result.replace = true;
    }
    result.accepted = true;
    return result;
}

std::vector<DatabaseFile> ListDatabaseFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<DatabaseFile> files;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec) return files;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string fileName = it->path().filename().string();
        if (HasMdbExtension(fileName)) files.push_back({fileName.substr(0, fileName.size() - 4), fileName});
    }
    std::sort(files.begin(), files.end(), [](const DatabaseFile& a, const DatabaseFile& b) {
        const int order = CompareGeneral(a.title, b.title);
        return order != 0 ? order < 0 : a.title < b.title;
    });
    return files;
}

std::vector<std::string> ListDatabaseNames(const std::string& folder) {
    std::vector<std::string> names;
    for (auto& file : ListDatabaseFiles(folder)) names.push_back(std::move(file.title));
    return names;
}

}  // namespace zofar
