#include "store/DatabaseBuildFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "store/DatabaseFolder.h"

namespace zofar {

namespace {

constexpr std::string_view kBuildSuffix = ".mdb.new";

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A build file is ".NAME.mdb.new" with a name of at least one byte.
bool IsBuildFileName(std::string_view fileName) {
    return fileName.size() > kBuildSuffix.size() + 1 && fileName.front() == '.' && EndsWith(fileName, kBuildSuffix);
}

void RemoveWithCompanions(const std::string& path) {
    // The companions first: a journal left without its database would be taken for the journal
    // of the next file built under that name.
    for (const auto suffix : kEngineCompanions) ::unlink((path + std::string(suffix)).c_str());
    ::unlink(path.c_str());
}

// The folder as the user knows it, without the trailing '/'.
std::string Shown(const std::string& folder) {
    return folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
}

bool SameFile(int fd, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// Removes the build file `path` unless a running build holds it. The lock is taken on the file
// first and the path checked to be still that file, so a file another sweep has just replaced
// by a new build is left alone.
void RemoveIfStale(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!fd.Valid()) return;
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) return;
    if (SameFile(fd.Get(), path)) RemoveWithCompanions(path);
}

struct CreatedFile {
    FileDescriptor fd{-1};
    int error = 0;  ///< errno when fd is invalid
};

// Creates the build file `path`, new and locked. Where the file system allows, the file is made
// unnamed, locked, and only then given its name, so no sweep ever sees it unlocked; elsewhere it
// is created and locked at once.
CreatedFile CreateLocked(const std::string& folder, const std::string& path) {
    CreatedFile made;
    FileDescriptor unnamed(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0644));
    if (unnamed.Valid() && ::flock(unnamed.Get(), LOCK_EX | LOCK_NB) == 0) {
        const std::string self = "/proc/self/fd/" + std::to_string(unnamed.Get());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            made.fd = std::move(unnamed);
            return made;
        }
        if (errno == EEXIST) {
            made.error = EEXIST;
            return made;
        }
    }
    made.fd = FileDescriptor(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
    if (!made.fd.Valid()) {
        made.error = errno;
    } else if (::flock(made.fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        made.error = errno;
        ::unlink(path.c_str());
        made.fd.Close();
    }
    return made;
}

}  // namespace

void SweepStaleBuilds(const std::string& folderPath) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folderPath), ec);
    if (ec) return;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        const std::string fileName = it->path().filename().string();
        if (IsBuildFileName(fileName)) {
            RemoveIfStale(folderPath + fileName);
            continue;
        }
        for (const auto suffix : kEngineCompanions) {
            if (!EndsWith(fileName, suffix)) continue;
            const std::string owner = fileName.substr(0, fileName.size() - suffix.size());
            std::error_code existsError;
            if (IsBuildFileName(owner) && !fs::exists(fs::path(folderPath + owner), existsError) && !existsError) {
                ::unlink((folderPath + fileName).c_str());
            }
        }
    }
}

DatabaseBuildFile::DatabaseBuildFile(const DatabaseFolder& folder, std::string name)
    : folder_(folder), name_(std::move(name)), path_(folder.BuildPathOf(name_)) {
    SweepStaleBuilds(folder.Path());
    CreatedFile made = CreateLocked(folder.Path(), path_);
    if (!made.fd.Valid()) {
        // After the sweep only a build that is still running keeps the file.
        const std::string where = "The database \"" + name_ + "\" ";
        error_ = made.error == EEXIST
                     ? where + "is being created by another ZOFAR in the folder " + Shown(folder.Path()) +
                           ".\nPlease wait until it is done or choose another name."
                     : where + "cannot be created in the folder " + Shown(folder.Path()) + ": " +
                           std::strerror(made.error) + ".";
        return;
    }
    fd_ = std::move(made.fd);
}

DatabaseBuildFile::~DatabaseBuildFile() {
    if (fd_.Valid() && !installed_) Discard();
}

void DatabaseBuildFile::Discard() {
    if (SameFile(fd_.Get(), path_)) RemoveWithCompanions(path_);
    fd_.Close();
}

bool DatabaseBuildFile::Install(bool replace) {
    if (!fd_.Valid() || installed_) return false;
    if (!folder_.InstallBuilt(name_, replace)) return false;
    installed_ = true;
    // The engine's files belonged to the build; the database in place needs none of them.
    for (const auto suffix : kEngineCompanions) ::unlink((path_ + std::string(suffix)).c_str());
    fd_.Close();
    return true;
}

}  // namespace zofar
