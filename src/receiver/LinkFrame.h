#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zofar {

/// Largest sender name and largest data a frame may carry, in bytes each.
constexpr uint32_t kMaxLinkPayload = 64 * 1024;

/// One message on the link: its type, the name of the program that sends it, and its data.
struct LinkFrame {
    uint32_t dwData = 0;
    std::string senderName;
    std::vector<uint8_t> data;

    bool operator==(const LinkFrame&) const = default;
};

/// The frame's bytes: little-endian u32 dwData, u32 name length, the name, u32 data length, the
/// data. A name or data above kMaxLinkPayload is written as given; a receiving side refuses it.
std::vector<uint8_t> EncodeLinkFrame(const LinkFrame& frame);

/// The answer to a frame: one little-endian u32.
constexpr std::size_t kLinkAnswerSize = 4;

}  // namespace zofar
