#include "app/FirstStart.h"

#include <filesystem>
#include <system_error>

#include "import/SourceKinds.h"
#include "store/DatabaseFolder.h"

namespace zofar {

bool IsFirstStart(const std::string& settingsFile, const std::string& databaseFolder) {
    // A settings link pointing nowhere is still something the user has made.
    std::error_code error;
    const auto status = std::filesystem::symlink_status(settingsFile, error);
    if (status.type() != std::filesystem::file_type::not_found) return false;
    return DatabaseFolder(databaseFolder).Files().empty();
}

CreateDatabaseRequest SampleDatabaseRequest(const std::string& sampleList) {
    CreateDatabaseRequest request;
    request.name = std::string(kSampleDatabaseName);
    request.sourcePath = sampleList;
    const auto slash = sampleList.rfind('/');
    request.sourceFolder = slash == std::string::npos ? "./" : sampleList.substr(0, slash + 1);
    request.sourceFileName = slash == std::string::npos ? sampleList : sampleList.substr(slash + 1);
    request.sourceKind = kDefaultSourceKind;
    return request;
}

}  // namespace zofar
