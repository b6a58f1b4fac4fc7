// The listener's location: the distance, bearing and beam columns measure from it.
#include "document/CZOFDoc.h"
#include "geo/LocationSettings.h"

namespace zofar {

void CZOFDoc::OnListenerLocation() {
    auto chosen = receiverDialogs_.RunLocationDialog(location_);
    if (!chosen || *chosen == location_) return;
    location_ = std::move(*chosen);
    computed_.SetLocation(location_.location);
    // Kept at once, as a named filter is: the location is no state of this session alone.
    if (!SaveLocationFile(paths_.settingsFile, location_)) {
        prompts_.ShowMessage("The location could not be written to " + paths_.settingsFile +
                             ".\nIt is used until ZOFAR ends.");
    }
    if (!store_.HasBrowseSet()) return;
    // The distance columns come with the first location and go with the last one; a list sorted
    // by distance then goes back to frequency order.
    if (!location_.location && settings_.sort == "DISTANCE") settings_.sort = "FREQ";
    if (store_.UpdateComputedColumns(BuildSortText(settings_.sort, settings_.sortDescending), BuildFilterCondition())) {
        SendDatabaseChanged();
        SetCurrentPosition(0);
        UpdateViews(kHintShowCurrent);
        return;
    }
    RequeryCycle();
}

void CZOFDoc::SortByDistance() {
    if (!store_.Columns().computed) {
        prompts_.ShowMessage("ZOFAR measures distances from where you listen: set your location first with "
                             "Receiver > Listener location...");
        return;
    }
    SortBy("DISTANCE");
}

}  // namespace zofar
