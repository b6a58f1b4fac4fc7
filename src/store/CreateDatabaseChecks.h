#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/DatabaseFolder.h"

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
/// The message for a name longer than `longestName` bytes.
std::string NameTooLongMessage(size_t longestName);
inline constexpr std::string_view kReplaceQuestion =
    "There is already a database with the specified name.\nDo you want to replace the existing database?";
inline constexpr std::string_view kDifferentNameMessage = "Please enter a different database name!";

/// The OK checks of the Create dialog, in order: a name, a plain name, one that fits the file
/// system (at most `longestName` bytes, DatabaseFolder::LongestName), a source file, and for
/// every existing database of the same name the replace question. `existingNames` are the
/// database names (file titles) in the database folder.
CreateCheckResult CheckCreateDatabase(const std::string& name, const std::string& sourcePath,
                                      const std::vector<std::string>& existingNames, const CreateCheckPrompts& prompts,
                                      size_t longestName = kLongestDatabaseName);

}  // namespace zofar
