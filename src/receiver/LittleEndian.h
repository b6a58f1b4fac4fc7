#pragma once

#include <cstdint>

namespace zofar {

/// Writes `value` as four little-endian bytes at `out`; the caller guarantees the room.
inline void PutU32LittleEndian(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
    out[2] = static_cast<uint8_t>(value >> 16);
    out[3] = static_cast<uint8_t>(value >> 24);
}

/// Reads four little-endian bytes at `in`; the caller guarantees they are there.
inline uint32_t GetU32LittleEndian(const uint8_t* in) {
    return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 | static_cast<uint32_t>(in[2]) << 16 |
           static_cast<uint32_t>(in[3]) << 24;
}

}  // namespace zofar
