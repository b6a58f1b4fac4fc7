#include "store/JetText.h"

#include <array>
#include <cstdint>

#include "base/Utf8.h"

namespace zofar {

namespace {

// Base letters of U+00C0..U+00FF and U+0100..U+017F; '~' marks a character that is not a letter.
constexpr std::string_view kLatin1Base = "AAAAAAACEEEEIIIIDNOOOOO~OUUUUYTSaaaaaaaceeeeiiiidnooooo~ouuuuyty";
constexpr std::string_view kLatinExtABase =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUu"
    "UuWwYyYZzZzZzs";
static_assert(kLatin1Base.size() == 64);
static_assert(kLatinExtABase.size() == 128);

// Upper-case form used for case-insensitive character comparison.
char32_t FoldCase(char32_t c) {
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

// Primary weight: what the order looks at first. Letters weigh by their base letter only.
uint32_t PrimaryWeight(char32_t c) {
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

bool IsAscii(std::string_view s) {
    for (char ch : s) {
        if (static_cast<uint8_t>(ch) >= 0x80) return false;
    }
    return true;
}

// ASCII weights: the common case, compared without decoding.
const std::array<uint16_t, 128>& AsciiWeights() {
    static const std::array<uint16_t, 128> table = [] {
        std::array<uint16_t, 128> t{};
        for (char32_t c = 0; c < 128; ++c) t[c] = static_cast<uint16_t>(PrimaryWeight(c));
        return t;
    }();
    return table;
}

bool CharEquals(char32_t a, char32_t b) { return a == b || FoldCase(a) == FoldCase(b); }

// Parses "[...]" at pattern position `i` (just after '['), tests `c`, and moves `i` past ']'.
std::optional<bool> MatchBracket(std::string_view pattern, size_t& i, char32_t c) {
    bool negate = false;
    if (i < pattern.size() && pattern[i] == '!') {
        negate = true;
        ++i;
    }
    bool matched = false;
    bool first = true;
    while (true) {
        if (i >= pattern.size()) return std::nullopt;
        if (pattern[i] == ']' && !first) {
            ++i;
            break;
        }
        first = false;
        char32_t lo = NextCodePoint(pattern, i);
        char32_t hi = lo;
        if (i + 1 < pattern.size() && pattern[i] == '-' && pattern[i + 1] != ']') {
            ++i;
            hi = NextCodePoint(pattern, i);
        }
        const char32_t fc = FoldCase(c);
        if ((c >= lo && c <= hi) || (fc >= FoldCase(lo) && fc <= FoldCase(hi))) matched = true;
    }
    return matched != negate;
}

// Checks that every bracket in the pattern is closed, so a bad pattern fails whatever the text.
bool PatternIsWellFormed(std::string_view pattern, std::optional<char32_t> escape) {
    size_t i = 0;
    while (i < pattern.size()) {
        char32_t p = NextCodePoint(pattern, i);
        if (escape && p == *escape) {
            if (i < pattern.size()) NextCodePoint(pattern, i);
            continue;
        }
        if (p == '[') {
            if (!MatchBracket(pattern, i, 0)) return false;
        }
    }
    return true;
}

// Iterative matcher with single-star backtracking: linear in practice, never recursive.
bool MatchFrom(std::string_view pattern, std::string_view text, std::optional<char32_t> escape) {
    size_t pi = 0, ti = 0;
    size_t starP = std::string_view::npos, starT = 0;
    while (ti < text.size()) {
        size_t pNext = pi;
        bool stepOk = false;
        if (pi < pattern.size()) {
            size_t tNext = ti;
            const char32_t c = NextCodePoint(text, tNext);
            char32_t p = NextCodePoint(pattern, pNext);
            if (escape && p == *escape) {
                // A trailing escape character stands for itself, never for its wildcard.
                if (pNext < pattern.size()) p = NextCodePoint(pattern, pNext);
                stepOk = CharEquals(p, c);
            } else if (p == '*') {
                starP = pNext;
                starT = ti;
                pi = pNext;
                continue;
            } else if (p == '?') {
                stepOk = true;
            } else if (p == '#') {
                stepOk = c >= '0' && c <= '9';
            } else if (p == '[') {
                stepOk = MatchBracket(pattern, pNext, c).value_or(false);
            } else {
                stepOk = CharEquals(p, c);
            }
            if (stepOk) {
                pi = pNext;
                ti = tNext;
                continue;
            }
        }
        if (starP == std::string_view::npos) return false;
        NextCodePoint(text, starT);
        ti = starT;
        pi = starP;
    }
    // Only real stars match the empty rest; with '*' as the escape character there are none.
    if (escape != U'*') {
        while (pi < pattern.size() && pattern[pi] == '*') ++pi;
    }
    return pi == pattern.size();
}

}  // namespace

LikeResult MatchLike(std::string_view pattern, std::string_view text, std::optional<char32_t> escape) {
    if (!PatternIsWellFormed(pattern, escape)) return LikeResult::BadPattern;
    return MatchFrom(pattern, text, escape) ? LikeResult::Match : LikeResult::NoMatch;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (!CharEquals(NextCodePoint(a, i), NextCodePoint(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

int CompareGeneral(std::string_view a, std::string_view b) {
    if (IsAscii(a) && IsAscii(b)) {
        const auto& w = AsciiWeights();
        const size_t n = a.size() < b.size() ? a.size() : b.size();
        for (size_t k = 0; k < n; ++k) {
            const uint16_t wa = w[static_cast<uint8_t>(a[k])];
            const uint16_t wb = w[static_cast<uint8_t>(b[k])];
            if (wa != wb) return wa < wb ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    // Primary pass: base letters; the first difference decides.
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const uint32_t wa = PrimaryWeight(NextCodePoint(a, i));
        const uint32_t wb = PrimaryWeight(NextCodePoint(b, j));
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    // Secondary pass: the unaccented letter before its accented forms; case never counts.
    i = j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = FoldCase(NextCodePoint(a, i));
        const char32_t cb = FoldCase(NextCodePoint(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return 0;
}

}  // namespace zofar
