#include "fetch/DownloadSettings.h"

namespace zofar {

std::string FolderUrlOf(const IniFile& settings, const ScheduleSource& source) {
    const std::string value = settings.GetString(kDownloadSection, source.settingsKey, "");
    return value.empty() ? std::string(source.defaultFolder) : value;
}

std::vector<std::string> FolderUrls(const IniFile& settings) {
    std::vector<std::string> urls;
    for (const auto& source : ScheduleSources()) urls.push_back(FolderUrlOf(settings, source));
    return urls;
}

void SetFolderUrl(IniFile& settings, const ScheduleSource& source, const std::string& folderUrl) {
    if (folderUrl == FolderUrlOf(settings, source)) return;
    settings.SetString(kDownloadSection, source.settingsKey, folderUrl == source.defaultFolder ? "" : folderUrl);
}

}  // namespace zofar
