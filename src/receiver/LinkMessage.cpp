#include "receiver/LinkMessage.h"

#include "receiver/LinkFolder.h"
#include "receiver/LittleEndian.h"
#include "receiver/ReceiverRecord.h"

namespace zofar {

LinkFrame MakeReceiverRecordFrame(uint32_t messageType, int32_t hz, const RecordSummary& record) {
    const ReceiverRecordBytes bytes = EncodeReceiverRecord(hz, record);
    return LinkFrame{messageType, std::string(kZofarLinkName), {bytes.begin(), bytes.end()}};
}

std::optional<int32_t> IncomingFrequencyHz(const LinkFrame& frame) {
    return IncomingFrequencyHz(frame.dwData, frame.data);
}

std::optional<int32_t> IncomingFrequencyHz(uint32_t dwData, std::span<const uint8_t> data) {
    if (dwData != kGoToFrequencyMessage || data.size() < 4) return std::nullopt;
    return static_cast<int32_t>(GetU32LittleEndian(data.data()));
}

}  // namespace zofar
