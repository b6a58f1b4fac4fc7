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
    if (store_.HasBrowseSet()) RequeryCycle();
}

void CZOFDoc::SortByDistance() { SortBy("DISTANCE"); }

}  // namespace zofar
