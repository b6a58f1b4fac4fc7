#include "store/CreateDatabaseChecks.h"

#include "store/DatabaseFolder.h"

namespace zofar {

std::string NameTooLongMessage(size_t longestName) {
    return "The database name is too long for the file system: it may have at most " + std::to_string(longestName) +
           " bytes (a letter outside A-Z takes two or more)!\nPlease enter a shorter database name.";
}

CreateCheckResult CheckCreateDatabase(const std::string& name, const std::string& sourcePath,
                                      const std::vector<std::string>& existingNames, const CreateCheckPrompts& prompts,
                                      size_t longestName) {
    CreateCheckResult result;
    if (name.empty()) {
        prompts.showMessage(std::string(kEnterNameMessage));
        result.focus = CreateDialogField::Name;
        return result;
    }
    // A name with a path separator would put the file outside the database folder.
    if (!IsPlainDatabaseName(name)) {
        prompts.showMessage(std::string(kBadNameMessage));
        result.focus = CreateDialogField::Name;
        return result;
    }
    if (name.size() > longestName) {
        prompts.showMessage(NameTooLongMessage(longestName));
        result.focus = CreateDialogField::Name;
        return result;
    }
    if (sourcePath.empty()) {
        prompts.showMessage(std::string(kSelectSourceMessage));
        result.focus = CreateDialogField::SelectSourceButton;
        return result;
    }
    for (const auto& existing : existingNames) {
        if (!SameDatabaseName(existing, name)) continue;
        if (!prompts.askYesNo(std::string(kReplaceQuestion))) {
            prompts.showMessage(std::string(kDifferentNameMessage));
            result.focus = CreateDialogField::Name;
            result.replace = false;
            return result;
        }
        result.replace = true;
    }
    result.accepted = true;
    return result;
}

}  // namespace zofar
