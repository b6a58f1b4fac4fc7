#include "selection/PredefinedFilterManager.h"

#include "selection/PredefinedFilterDialogChecks.h"

namespace zofar {

using Checks = PredefinedFilterDialogChecks;

std::vector<std::string> PredefinedFilterManager::Names() const { return Checks::ListNames(operations_); }

bool PredefinedFilterManager::CreateFilter(int selected, PredefinedFilterPrompts& prompts) {
    int index = selected;
    if (selected < 0) {
        // A new filter always goes after an existing one; only an empty list takes it at once.
        if (!ListIsEmpty()) {
            prompts.ShowMessage(std::string(Checks::kSelectInsertAfter));
            return false;
        }
        index = 0;
    }
    const auto name = prompts.EnterFilterName([this](const std::string& typed) { return CheckName(typed); });
    if (!name) return false;
    return operations_.CreatePredefinedFilter(index, *name);
}

bool PredefinedFilterManager::DeleteFilter(int selected, PredefinedFilterPrompts& prompts) {
    if (selected < 0) {
        if (!ListIsEmpty()) prompts.ShowMessage(std::string(Checks::kSelectToDelete));
        return false;
    }
    if (!prompts.AskYesNo(std::string(Checks::kConfirmDelete))) return false;
    operations_.DeletePredefinedFilter(selected);
    return true;
}

std::optional<std::string> PredefinedFilterManager::CheckName(const std::string& name) const {
    return Checks::CheckFilterName(name, current_);
}

}  // namespace zofar
