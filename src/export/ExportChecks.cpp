#include "export/ExportChecks.h"

#include <sys/stat.h>

#include <algorithm>

#include "output/ClipboardText.h"

namespace zofar {
namespace {

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::optional<ExportProblem> CheckExportChoices(const ExportChoices& choices) {
    const std::string& path = choices.Path();
    if (path.find_first_not_of(' ') == std::string::npos) {
        return ExportProblem{"No file name!\nPlease enter the name of the file to write.", ExportField::FileName};
    }
    if (path.back() == '/' || IsFolder(path)) {
        return ExportProblem{"\"" + path + "\" is a folder.\nPlease enter the name of a file.", ExportField::FileName};
    }
    if (!IsFolder(FolderOf(path))) {
        return ExportProblem{"The folder of \"" + path + "\" does not exist.\nPlease choose another file.",
                             ExportField::FileName};
    }
    if (choices.format == ExportFormat::Csv &&
        std::none_of(choices.checks.begin(), choices.checks.end(), [](bool checked) { return checked; })) {
        return ExportProblem{std::string(kNoColumnSelectedMessage), ExportField::Columns};
    }
    return std::nullopt;
}

std::string DefaultExportPath(ExportFormat format, const std::string& databaseName, const EnvironmentLookup& env) {
    const std::string home = env("HOME").value_or("");
    switch (format) {
    case ExportFormat::Csv: return home.empty() ? std::string() : home + "/" + databaseName + ".csv";
    case ExportFormat::Sdrpp: return home.empty() ? std::string() : home + "/" + databaseName + "-sdrpp.json";
    case ExportFormat::Gqrx: {
        std::string config = env("XDG_CONFIG_HOME").value_or("");
        if (config.empty() || config.front() != '/') config = home.empty() ? std::string() : home + "/.config";
        return config.empty() ? std::string() : config + "/gqrx/bookmarks.csv";
    }
    }
    return {};
}

}  // namespace zofar
