#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "receiver/LinkFrame.h"
#include "store/RecordStore.h"

namespace zofar {

/// Message types (dwData) on the link.
constexpr uint32_t kTuneMessage = 1002;
constexpr uint32_t kFindStationMessage = 2002;
constexpr uint32_t kGoToFrequencyMessage = 10001;

/// The frame for Tune or Find/Create station: `messageType`, ZOFAR's name as the sender and the
/// 160-byte receiver record of `record` with `hz` as its frequency.
LinkFrame MakeReceiverRecordFrame(uint32_t messageType, int32_t hz, const RecordSummary& record);

/// The frequency in Hz a receiver program asks ZOFAR to go to: the little-endian signed value of
/// the first four data bytes of a go-to-frequency frame. Nothing for any other type, or for a
/// frame with fewer than four data bytes.
std::optional<int32_t> IncomingFrequencyHz(const LinkFrame& frame);
/// The same for a message given as its type and data bytes.
std::optional<int32_t> IncomingFrequencyHz(uint32_t dwData, std::span<const uint8_t> data);

}  // namespace zofar
