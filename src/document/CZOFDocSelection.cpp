// The document's sort and filter commands and the requery cycle they share.
#include "document/CZOFDoc.h"

#include "selection/ConditionBuilder.h"
#include "selection/PredefinedFilterFile.h"

namespace zofar {

void CZOFDoc::SortBy(const std::string& key) {
    if (!IsOpen()) return;
    if (settings_.sort == key || !IsSortKeyOf(key, store_.Columns())) return;
    // The anchor is taken from the rows as they are shown in the old order; changing the key
    // alone does not move them. A new key starts ascending, as a header click on it expects.
    settings_.sort = key;
    settings_.sortDescending = false;
    RequeryCycle();
}

void CZOFDoc::ToggleSortDescending() {
    if (!IsOpen() || settings_.sort.empty()) return;
    settings_.sortDescending = !settings_.sortDescending;
    RequeryCycle();
}

void CZOFDoc::RequeryCycle() {
    if (!store_.HasBrowseSet()) return;
    const int anchor = store_.CurrentRecordId(list_.GetListRows(), settings_.criteria.OnAirNowActive());
    prompts_.SetWaitCursor(true);
    prompts_.ShowStatusMessage("Sorting and filtering records");
    store_.RequeryBrowseSet(BuildSortText(settings_.sort, settings_.sortDescending), BuildFilterCondition());
    EndBusy();
    CheckDatabaseFile();
    UpdateViews(kHintRequeried);
    currentPosition_ = anchor >= 0 && store_.FindById(anchor) ? store_.CurrentPosition() : -1;
    UpdateViews(kHintShowCurrent);
}

void CZOFDoc::SetFilter() {
    auto accepted = selectionDialogs_.RunFilterDialog(settings_.criteria, FilterIsOn());
    if (!accepted) return;
    // Kept as a named filter's line can hold them, so saving the filter later loses nothing.
    settings_.criteria = WithStorableTexts(*accepted);
    if (FilterIsOn() && IsOpen()) RequeryCycle();
}

void CZOFDoc::ToggleFilter() {
    settings_.bFilter = FilterIsOn() ? 0 : 1;
    if (ConditionBuilder::BuildFilterCondition(settings_.criteria, 1, clock_.NowUtc()).empty()) return;
    if (IsOpen()) RequeryCycle();
}

}  // namespace zofar
