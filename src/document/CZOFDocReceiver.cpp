// The document's side of the receiver link: Tune and Find/Create station send the selected
// record to the receiver control program; its frequency reports move the list.
#include "base/TextRules.h"
#include "receiver/LinkMessage.h"
#include "receiver/ReceiverRecord.h"
#include "document/CZOFDoc.h"

namespace zofar {

void CZOFDoc::OnTune() { SendSelectedStation(kTuneMessage); }

void CZOFDoc::OnFindCreateStation() { SendSelectedStation(kFindStationMessage); }

void CZOFDoc::OnReceiverProgram() {
    if (auto name = receiverDialogs_.RunReceiverProgramDialog(settings_.applicationName)) {
        settings_.applicationName = std::move(*name);
    }
}

void CZOFDoc::OnReceiverData(uint32_t dwData, std::span<const uint8_t> data) {
    // While a database is only being filled by an import there is no list to move.
    if (!store_.HasBrowseSet()) return;
    // A report while the clipboard export or a printout (its preview) walks the rows would
    // re-sort them under it; it is dropped, and the next report moves the list.
    if (holdingRows_) return;
    if (const std::optional<int32_t> hz = IncomingFrequencyHz(dwData, data)) GoToReceivedFrequency(*hz);
}

void CZOFDoc::SendSelectedStation(uint32_t messageType) {
    if (!IsOpen()) return;
    const int row = list_.GetListRows().selected;
    if (row < 0) {
        prompts_.ShowMessage("No station selected!\nPlease select a station.");
        return;
    }
    RecordSummary record;
    if (!store_.ReadRecordSummary(row, record)) return;
    // The link carries Hz as a signed 32-bit number; a frequency beyond it must not wrap into
    // some other frequency the radio would then tune.
    const std::optional<int32_t> hz = ReceiverFrequencyHz(record.freq);
    if (!hz) {
        prompts_.ShowMessage("The frequency " + FormatOneDecimal(record.freq) +
                             " kHz cannot be sent to the receiver control program.\n"
                             "Please select a station below 2147483 kHz.");
        return;
    }
    if (!receiverLink_.Send(settings_.applicationName, MakeReceiverRecordFrame(messageType, *hz, record))) {
        prompts_.ShowMessage(settings_.applicationName + " is not active!");
    }
}

}  // namespace zofar
