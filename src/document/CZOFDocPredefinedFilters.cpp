// The document's named filters: their file, the list operations and the two dialogs' commands.
#include <exception>

#include "selection/PredefinedFilterDialogChecks.h"
#include "selection/PredefinedFilterFile.h"
#include "selection/PredefinedFilterManager.h"
#include "document/CZOFDoc.h"
#include "document/StatusTexts.h"

namespace zofar {

void CZOFDoc::LoadPredefinedFilters() {
    if (paths_.filterFile.empty()) return;
    try {
        PredefinedFilterLoad load = LoadPredefinedFilterFile(paths_.filterFile);
        predefinedFilters_ = PredefinedFilterList(std::move(load.entries));
        keepOldFilterFile_ = load.keepOldOnSave;
    } catch (const std::exception&) {
        // Out of memory while reading: start with no filters, and keep the file, which was
        // not taken over, when this run writes its own.
        predefinedFilters_ = PredefinedFilterList();
        keepOldFilterFile_ = true;
    }
}

bool CZOFDoc::SavePredefinedFilters() {
    if (paths_.filterFile.empty() || !paths_.saveFilterFile) return true;
    try {
        if (!SavePredefinedFilterFile(paths_.filterFile, predefinedFilters_, keepOldFilterFile_)) return false;
        // The copy of a file not read whole is made by the first save only; a later one would
        // replace it with this program's own file.
        keepOldFilterFile_ = false;
        return true;
    } catch (const std::exception&) {
        // Out of memory while formatting: the old file stays whole.
        return false;
    }
}

void CZOFDoc::SaveChangedPredefinedFilters() {
    if (SavePredefinedFilters() || filterSaveFailureTold_) return;
    filterSaveFailureTold_ = true;
    prompts_.ShowStatusMessage(PredefinedFilterSaveFailedText(paths_.filterFile));
}

std::optional<std::string> CZOFDoc::PredefinedFilterName(int index) const { return predefinedFilters_.Name(index); }

bool CZOFDoc::CreatePredefinedFilter(int index, const std::string& name) {
    if (!predefinedFilters_.Create(index, name, settings_.criteria)) return false;
    // Written at once, so a crash or a killed session loses no named filter.
    SaveChangedPredefinedFilters();
    return true;
}

void CZOFDoc::DeletePredefinedFilter(int index) {
    const int before = predefinedFilters_.Count();
    predefinedFilters_.Delete(index);
    if (predefinedFilters_.Count() != before) SaveChangedPredefinedFilters();
}

void CZOFDoc::ApplyPredefinedFilter(int index) {
    const CPredefFilter* entry = predefinedFilters_.At(index);
    if (!entry) return;
    settings_.criteria = entry->criteria;
    if (FilterIsOn() && IsOpen()) RequeryCycle();
}

void CZOFDoc::SelectPredefinedFilter() {
    const auto chosen =
        selectionDialogs_.RunSelectPredefinedFilterDialog(PredefinedFilterDialogChecks::ListNames(*this));
    if (chosen) ApplyPredefinedFilter(*chosen);
}

void CZOFDoc::ManagePredefinedFilters() {
    PredefinedFilterManager manager(*this, settings_.criteria);
    selectionDialogs_.RunManagePredefinedFiltersDialog(manager);
}

}  // namespace zofar
