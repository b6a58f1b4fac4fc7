#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "store/RecordStore.h"

namespace zofar {

/// Size of the record that Tune and Find/Create station hand to the receiver program.
constexpr std::size_t kReceiverRecordSize = 160;

using ReceiverRecordBytes = std::array<uint8_t, kReceiverRecordSize>;

/// A record's frequency in Hz for the receiver program: (kHz + 0.0001) * 1000 truncated toward
/// zero. Nothing when that does not fit a signed 32-bit integer, or for NaN and infinities.
std::optional<int32_t> ReceiverFrequencyHz(double kHz);

/// The 160-byte receiver record: the frequency in Hz little-endian at 0, then STATION (at 4, 50
/// bytes), LOCATION (54, 50), COUNTRY (104, 50) and ITU (154, 6), each converted from UTF-8 to
/// code page 1252, cut to leave room for its NUL, NUL-terminated and zero-filled.
ReceiverRecordBytes EncodeReceiverRecord(int32_t hz, const RecordSummary& record);

/// A receiver record read back: the frequency in Hz and the four texts as UTF-8.
struct ReceiverRecordContent {
    int32_t hz = 0;
    std::string station, location, country, itu;
};

/// Reads a receiver record; nothing when fewer than 160 bytes are given. A text runs to its
/// NUL, or to the end of its area when it has none; bytes after it are ignored.
std::optional<ReceiverRecordContent> DecodeReceiverRecord(std::span<const uint8_t> bytes);

}  // namespace zofar
