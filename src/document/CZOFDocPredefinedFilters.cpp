// The document's named filters: their file, the list operations and the two dialogs' commands.
#include <exception>

#include "selection/PredefinedFilterDialogChecks.h"
#include "selection/PredefinedFilterFile.h"
#include "selection/PredefinedFilterManager.h"
#include "document/CZOFDoc.h"

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

void CZOFDoc::SavePredefinedFilters() {
    if (paths_.filterFile.empty() || !paths_.saveFilterFile) return;
    try {
        // The list is written once, at the end, so the copy of a file not read whole is made
        // by this one save.
        SavePredefinedFilterFile(paths_.filterFile, predefinedFilters_, keepOldFilterFile_);
    } catch (const std::exception&) {
        // The document is going away: the changes of this run are lost, the old file stays.
    }
}

std::optional<std::string> CZOFDoc::PredefinedFilterName(int index) const { return predefinedFilters_.Name(index); }

bool CZOFDoc::CreatePredefinedFilter(int index, const std::string& name) {
    return predefinedFilters_.Create(index, name, settings_.criteria);
}

void CZOFDoc::DeletePredefinedFilter(int index) { predefinedFilters_.Delete(index); }

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
