#pragma once

#include <string>
#include <string_view>

#include "base/FileDescriptor.h"

namespace zofar {

class DatabaseFolder;

/// The hidden file a new database is built in (".NAME.mdb.new" in the database folder). It is
/// created empty and locked (flock) for as long as this object lives, so a sweep of another
/// running ZOFAR never touches it; when the object goes without Install, the file and the
/// engine's files beside it are removed.
///
/// The engine opens the file by its path and takes its own (POSIX) locks on it; the flock of
/// this object is independent of them. The engine's connection must be closed before this
/// object goes: closing a descriptor of the file would drop the engine's locks.
class DatabaseBuildFile {
public:
    /// Removes what earlier, killed builds left in `folder` (see SweepStaleBuilds), then creates
    /// and locks the build file of `name`. On failure Ok() is false and Error() says why, naming
    /// the database and its folder.
    DatabaseBuildFile(const DatabaseFolder& folder, std::string name);
    ~DatabaseBuildFile();
    DatabaseBuildFile(const DatabaseBuildFile&) = delete;
    DatabaseBuildFile& operator=(const DatabaseBuildFile&) = delete;

    bool Ok() const { return fd_.Valid(); }
    const std::string& Error() const { return error_; }
    const std::string& Path() const { return path_; }

    /// Puts the built database in place (DatabaseFolder::InstallBuilt) while the lock is still
    /// held; false when it could not, and the file then goes with this object.
    bool Install(bool replace);

private:
    void Discard();

    const DatabaseFolder& folder_;
    std::string name_;
    std::string path_;
    FileDescriptor fd_{-1};
    std::string error_;
    bool installed_ = false;
};

/// The suffixes of the files the engine may make beside a database file.
inline constexpr std::string_view kEngineCompanions[] = {"-journal", "-wal", "-shm"};

/// Removes every build file in `folderPath` (ending with '/') that no running build holds
/// locked, with the engine's files beside it, and such engine files whose build file is gone.
void SweepStaleBuilds(const std::string& folderPath);

}  // namespace zofar
