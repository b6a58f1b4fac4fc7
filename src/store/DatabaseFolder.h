#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zofar {

/// True when the name can be a file name in the database folder: no '/', no NUL, not "." or "..".
bool IsPlainDatabaseName(std::string_view name);

/// The bytes the longest file made for a database adds to its name: the build file's "." and
/// ".mdb.new", and the engine's "-journal" beside it.
inline constexpr size_t kDatabaseFileNameOverhead = 17;
/// The longest database name on a file system that allows file names of 255 bytes.
inline constexpr size_t kLongestDatabaseName = 255 - kDatabaseFileNameOverhead;

/// Database names compared as the program always has: equal after conversion to upper case
/// (ASCII and the Western European letters).
bool SameDatabaseName(std::string_view a, std::string_view b);

/// One database file of the database folder.
struct DatabaseFile {
    std::string title;     ///< the file name without its ".mdb" (any letter case)
    std::string fileName;  ///< the file name as it is on disk
};

/// The folder the databases live in, each one file NAME.mdb: what it lists, where a database of
/// a name is, and how a newly built database takes the place of an old one without ever losing
/// it.
class DatabaseFolder {
public:
    /// `folder` ends with '/'.
    explicit DatabaseFolder(std::string folder) : folder_(std::move(folder)) {}

    const std::string& Path() const { return folder_; }

    /// The regular files named "*.mdb" (any letter case), in the order the selection list
    /// shows them: the store's own text order; empty when the folder cannot be read.
    std::vector<DatabaseFile> Files() const;
    /// The titles of Files.
    std::vector<std::string> Names() const;

    /// The longest database name, in bytes, whose files the folder's file system can name.
    size_t LongestName() const;

    /// Folder + name + ".mdb".
    std::string PathOf(const std::string& name) const;
    /// PathOf, or the listed file of that title when its extension is spelled in another case.
    std::string ExistingPathOf(const std::string& name) const;

    /// Where a new database `name` is built until it is complete (see DatabaseBuildFile).
    std::string BuildPathOf(const std::string& name) const;
    /// Puts the database built for `name` in place. Without `replace` an existing database of
    /// that name is never overwritten (false: someone made one while the import ran). With it,
    /// databases of the same name in another letter case go only once the new one is in place.
    /// False when the new file could not be put in place; the built file is then left for
    /// DiscardBuilt.
    bool InstallBuilt(const std::string& name, bool replace) const;

    /// Deletes the listed database of that title; a failure is not reported.
    void Remove(const std::string& title) const;

private:
    std::string folder_;
};

/// Sorts database names as the selection lists show them.
void SortDatabaseNames(std::vector<std::string>& names);

}  // namespace zofar
