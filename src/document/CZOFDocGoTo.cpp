// The document's go-to searches: sort by the column, then make the first record of the sorted
// and filtered set that matches the current position and show it.
#include <string>

#include "selection/GoToConditions.h"
#include "document/CZOFDoc.h"

namespace zofar {

namespace {

constexpr const char* kNoRecordFound = "No record found!";

}  // namespace

void CZOFDoc::GoToFrequency() {
    if (!IsOpen()) return;
    const std::optional<double> kHz = selectionDialogs_.RunGoToFrequencyDialog();
    if (!kHz) return;
    SortBy("FREQ");
    ShowGoToResult(FindCurrent(GoToFrequencyCondition(*kHz)), true);
}

void CZOFDoc::GoToText(const std::string& column, const std::string& label, GoToMode mode) {
    if (!IsOpen()) return;
    const std::optional<GoToTextEntry> entry = selectionDialogs_.RunGoToTextDialog(label, mode);
    if (!entry) return;
    const std::string pattern = GoToPattern(entry->text, mode, entry->exactMatch);
    SortBy(column);
    ShowGoToResult(FindCurrent(GoToTextCondition(column, pattern)), true);
}

void CZOFDoc::GoToReceivedFrequency(int32_t hz) {
    if (!IsOpen()) return;
    SortBy("FREQ");
    const int32_t kHz = ReportedFrequencyKhz(hz);
    if (FindCurrent(GoToFrequencyCondition(kHz))) {
        UpdateViews(kHintShowCurrent);
        if (showingNoRecordThere_) prompts_.ShowStatusMessage("");
        showingNoRecordThere_ = false;
        return;
    }
    // Reports come as the dial turns: a box at each one would block the window the user is
    // tuning along with, so the message pane says it.
    prompts_.ShowStatusMessage("No record found at or above " + std::to_string(kHz) + " kHz.");
    showingNoRecordThere_ = true;
}

void CZOFDoc::ShowGoToResult(bool found, bool repaintWhenNotFound) {
    if (found) {
        UpdateViews(kHintShowCurrent);
        return;
    }
    if (repaintWhenNotFound) UpdateViews(kHintRepaint);
    prompts_.ShowMessage(kNoRecordFound);
}

}  // namespace zofar
