#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zofar {

/// The control of the Create dialog that gets the focus when its values are refused.
enum class CreateDialogField { None, Name, SelectSourceButton };

/// How the Create dialog talks to the user while it checks its values.
struct CreateCheckPrompts {
    std::function<void(const std::string&)> showMessage;
    /// true for Yes.
    std::function<bool(const std::string&)> askYesNo;
};

struct CreateCheckResult {
    bool accepted = false;
    CreateDialogField focus = CreateDialogField::None;
    /// The user agreed to replace an existing database of the same name.
    bool replace = false;
};

inline constexpr std::string_view kEnterNameMessage = "Please enter a name for the new database!";
inline constexpr std::string_view kSelectSourceMessage = "Please select an ILG source file!";
inline constexpr std::string_view kBadNameMessage =
    "A database name must not contain \"/\" and must not be \".\" or \"..\"!\n"
    "Please enter a different database name.";
inline constexpr std::string_view kReplaceQuestion =
    "There is already a database with the specified name.\nDo you want to replace the existing database?";
inline constexpr std::string_view kDifferentNameMessage = "Please enter a different database name!";

/// True when the name can be a file name in the database folder: no '/', no NUL, not "." or "..".
bool IsPlainDatabaseName(std::string_view name);

/// Database names compared as the program always has: equal after conversion to upper case
/// (ASCII and the Western European letters).
bool SameDatabaseName(std::string_view a, std::string_view b);

/// The OK checks of the Create dialog, in order: a name, a plain name, a source file, and for
/// every existing database of the same name the replace question. `existingNames` are the
/// database names (file titles) in the database folder.
CreateCheckResult CheckCreateDatabase(const std::string& name, const std::string& sourcePath,
                                      const std::vector<std::string>& existingNames,
                                      const CreateCheckPrompts& prompts);

/// One database file of the database folder.
struct DatabaseFile {
    std::string title;     ///< the file name without its ".mdb" (any letter case)
    std::string fileName;  ///< the file name as it is on disk
};

/// The regular files named "*.mdb" (any letter case) in `folder`, in the order the selection
/// list shows them; empty when the folder cannot be read.
std::vector<DatabaseFile> ListDatabaseFiles(const std::string& folder);

/// The titles of ListDatabaseFiles.
std::vector<std::string> ListDatabaseNames(const std::string& folder);

}  // namespace zofar
