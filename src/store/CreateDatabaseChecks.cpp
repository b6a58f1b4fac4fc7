#include "store/CreateDatabaseChecks.h"

#include "store/DatabaseFolder.h"

namespace zofar {

CreateCheckResult CheckCreateDatabase(const std::string& name, const std::string& sourcePath,
                                      const std::vector<std::string>& existingNames,
                                      const CreateCheckPrompts& prompts) {
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
