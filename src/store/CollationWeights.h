#pragma once

#include <cstdint>
#include <string_view>

namespace zofar::collation {

// Base letters of U+00C0..U+00FF and U+0100..U+017F; '~' marks a character that is not a letter.
inline constexpr std::string_view kLatin1Base = "AAAAAAACEEEEIIIIDNOOOOO~OUUUUYTSaaaaaaaceeeeiiiidnooooo~ouuuuyty";
inline constexpr std::string_view kLatinExtABase =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUu"
    "UuWwYyYZzZzZzs";
static_assert(kLatin1Base.size() == 64);
static_assert(kLatinExtABase.size() == 128);

/// The upper-case form a character is compared in when letter case does not count: ASCII and
/// the Latin letters of the Western code page (Latin-1 Supplement and Latin Extended-A).
constexpr char32_t FoldCase(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c < 0x80) return c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A alternates upper/lower, with three runs offset by one.
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddUpper) return (c % 2 == 0) ? c - 1 : c;
        if (c == 0x138 || c == 0x149 || c == 0x17F) return c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c == 0x192) return 0x191;
    return c;
}

/// What the general order looks at first: ASCII punctuation, then the other symbols of the
/// code page, then digits, then letters by their base letter (accents and case ignored), then
/// everything else by code point.
constexpr uint32_t PrimaryWeight(char32_t c) {
    char base = 0;
    if (c < 0x80) {
        if (c >= 'a' && c <= 'z')
            base = static_cast<char>(c - 32);
        else if (c >= 'A' && c <= 'Z')
            base = static_cast<char>(c);
        else if (c >= '0' && c <= '9')
            return 0x1000 + (c - '0');
        else
            return 0x100 + c;
    } else if (c >= 0xC0 && c <= 0xFF) {
        base = kLatin1Base[c - 0xC0];
    } else if (c >= 0x100 && c <= 0x17F) {
        base = kLatinExtABase[c - 0x100];
    } else if (c == 0x192 || c == 0x191) {
        base = 'F';
    } else if (c == 0x178) {
        base = 'Y';
    } else if (c < 0xC0) {
        return 0x200 + c;  // Latin-1 symbols and C1 controls: after ASCII punctuation
    } else {
        return 0x10000 + c;
    }
    if (base == '~') return 0x200 + c;  // multiplication and division signs
    if (base >= 'a' && base <= 'z') base = static_cast<char>(base - 32);
    return 0x2000 + static_cast<uint32_t>(base - 'A') * 2;
}

}  // namespace zofar::collation
