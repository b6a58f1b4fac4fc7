#include "store/DatabaseFileWatch.h"

#include <sys/stat.h>

namespace zofar {

std::optional<FileIdentity> IdentityOfFile(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

void DatabaseFileWatch::Watch(const std::string& path) {
    path_ = path;
    identity_ = IdentityOfFile(path);
    lost_ = false;
}

bool DatabaseFileWatch::NewlyLost() {
    // A file that could not be looked at when it was opened has nothing to compare with.
    if (!identity_ || lost_) return false;
    lost_ = IdentityOfFile(path_) != identity_;
    return lost_;
}

std::string DatabaseFileWatch::FileName() const {
    const auto slash = path_.rfind('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

std::string DatabaseFileLostText(const std::string& fileName) {
    return "The database file " + fileName + " was deleted or replaced; reopen or create it.";
}

}  // namespace zofar
