#pragma once

#include <sys/types.h>
#include <optional>
#include <string>

namespace zofar {

/// Which file a path leads to: the device and inode, as stat gives them.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

/// The identity of the file at `path`; nothing when there is none (or it cannot be reached).
std::optional<FileIdentity> IdentityOfFile(const std::string& path);

/// The open database's file as it was when it was opened. SQLite keeps working on a file that
/// was deleted or replaced under its name, so nothing else would notice: the document asks this
/// now and then, and says so once.
class DatabaseFileWatch {
public:
    /// Keeps `path` and the file it leads to now; forgets whether a loss was noticed.
    void Watch(const std::string& path);
    /// True the first time since Watch that `path` leads to no file or to another file;
    /// false while nothing is watched.
    bool NewlyLost();
    /// The watched file's name without its folder.
    std::string FileName() const;

private:
    std::string path_;
    std::optional<FileIdentity> identity_;
    bool lost_ = false;
};

/// "The database file <file name> was deleted or replaced; reopen or create it."
std::string DatabaseFileLostText(const std::string& fileName);

}  // namespace zofar
