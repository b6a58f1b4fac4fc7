#include "base/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "base/Utf8.h"

namespace zofar {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    AppendCp1252ToUtf8(out, bytes);
    return out;
}

void AppendCp1252ToUtf8(std::string& out, std::string_view bytes) {
    // Runs of ASCII bytes are found eight at a time and copied whole.
    constexpr uint64_t kHighBits = 0x8080808080808080ull;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* const run = p;
        for (uint64_t word = 0; end - p >= 8; p += 8) {
            std::memcpy(&word, p, 8);
            if (word & kHighBits) break;
        }
        while (p < end && static_cast<uint8_t>(*p) < 0x80) ++p;
        out.append(run, p);
        if (p == end) break;
        const auto b = static_cast<uint8_t>(*p++);
        AppendUtf8(out, b < 0xA0 ? kHighTable[b - 0x80] : b);
    }
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        size_t len = DecodeUtf8(utf8, i, cp);
        if (len == 0) {
            out += '?';
            ++i;
            continue;
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (size_t k = 0; k < kHighTable.size(); ++k) {
            if (kHighTable[k] == cp) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        char32_t cp = 0;
        size_t len = DecodeUtf8(bytes, i, cp);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string ToUtf8Guessing(std::string_view bytes) {
    return IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    while (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return bytes;
}

size_t Utf8Length(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8) {
        if ((static_cast<uint8_t>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::string_view Utf8Prefix(std::string_view utf8, size_t maxChars) {
    size_t chars = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<uint8_t>(utf8[i]) & 0xC0) == 0x80) continue;
        if (chars == maxChars) return utf8.substr(0, i);
        ++chars;
    }
    return utf8;
}

}  // namespace zofar
