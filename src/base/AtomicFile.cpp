#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "base/FileDescriptor.h"

namespace zofar {

namespace {

// Removes the temporary file unless it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void Release() { path_.clear(); }

private:
    std::string path_;
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename is durable only once the folder entry is on disk; failure here changes nothing
// the caller could act on, so it is not reported.
void SyncFolder(const std::string& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) ::fsync(dir.Get());
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string_view keepOldSuffix) {
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
        if (real) target = real.get();
    }
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) return false;

    std::string temporaryPath = target + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temporaryPath.data()));
    if (!fd.Valid()) return false;
    TemporaryFile temporary(temporaryPath);
    const mode_t mode = exists ? (st.st_mode & 07777) : 0644;
    if (!WriteAll(fd.Get(), contents) || ::fchmod(fd.Get(), mode) != 0 || ::fsync(fd.Get()) != 0 || !fd.Close()) {
        return false;
    }
    if (exists && !keepOldSuffix.empty()) {
        const std::string backup = target + std::string(keepOldSuffix);
        ::unlink(backup.c_str());
        if (::link(target.c_str(), backup.c_str()) != 0) return false;
    }
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) return false;
    temporary.Release();
    SyncFolder(FolderOf(target));
    return true;
}

}  // namespace zofar
