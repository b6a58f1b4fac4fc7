#include "store/JetText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "base/Utf8.h"
#include "store/CollationWeights.h"

namespace zofar {

namespace {

using collation::FoldCase;
using collation::PrimaryWeight;

// Weights of the ASCII characters, looked up without decoding.
constexpr std::array<uint16_t, 128> kAsciiWeights = [] {
    std::array<uint16_t, 128> t{};
    for (char32_t c = 0; c < 128; ++c) t[c] = static_cast<uint16_t>(PrimaryWeight(c));
    return t;
}();

// Both passes of the order, begun at byte `from`. Both texts must be at a character boundary
// there, with everything before it equal in both passes.
int CompareDecodedFrom(std::string_view a, std::string_view b, size_t from) {
    // Primary pass: base letters; the first difference decides.
    size_t i = from, j = from;
    while (i < a.size() && j < b.size()) {
        const uint32_t wa = PrimaryWeight(NextCodePoint(a, i));
        const uint32_t wb = PrimaryWeight(NextCodePoint(b, j));
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    // Secondary pass: the unaccented letter before its accented forms; case never counts.
    i = j = from;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = FoldCase(NextCodePoint(a, i));
        const char32_t cb = FoldCase(NextCodePoint(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return 0;
}

bool CharEquals(char32_t a, char32_t b) { return a == b || FoldCase(a) == FoldCase(b); }

// Where a byte that begins no well-formed UTF-8 sequence is placed: above every code point, so
// in a pattern it matches the same stray byte and nothing else, never a character that happens
// to have the byte's value (a stray 0xC0 is not the letter U+00C0).
constexpr char32_t kStrayByteBase = 0x110000;

char32_t NextLikeChar(std::string_view s, size_t& i) {
    char32_t cp = 0;
    const size_t len = DecodeUtf8(s, i, cp);
    if (len == 0) return kStrayByteBase + static_cast<uint8_t>(s[i++]);
    i += len;
    return cp;
}

// The other letter of c's case pair, or c itself. The pairs FoldCase joins lie 32 or 1 apart,
// except y and f with their diaeresis and hook.
char32_t OtherCase(char32_t c) {
    const char32_t upper = FoldCase(c);
    if (upper != c) return upper;
    for (const char32_t lower : {char32_t(c + 32), char32_t(c + 1), char32_t{0xFF}, char32_t{0x192}})
        if (lower != c && FoldCase(lower) == c) return lower;
    return c;
}

// A range holds a letter when either of its cases lies between the ends: "[Z-a]" holds "A" as well as
// "a". Folding the ends instead would make a range from "a" to an accented letter hold
// "[" and "_". A range from a character to a stray byte holds its two ends only: stray bytes lie
// above every character, so it would otherwise act as a wildcard.
bool InRange(char32_t c, char32_t lo, char32_t hi) {
    if ((lo >= kStrayByteBase) != (hi >= kStrayByteBase)) return CharEquals(c, lo) || CharEquals(c, hi);
    const char32_t other = OtherCase(c);
    return (c >= lo && c <= hi) || (other >= lo && other <= hi);
}

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
        const char32_t lo = NextLikeChar(pattern, i);
        char32_t hi = lo;
        if (i + 1 < pattern.size() && pattern[i] == '-' && pattern[i + 1] != ']') {
            ++i;
            hi = NextLikeChar(pattern, i);
        }
        if (InRange(c, lo, hi)) matched = true;
    }
    return matched != negate;
}

// Checks that every bracket in the pattern is closed, so a bad pattern fails whatever the text.
bool PatternIsWellFormed(std::string_view pattern, std::optional<char32_t> escape) {
    size_t i = 0;
    while (i < pattern.size()) {
        char32_t p = NextLikeChar(pattern, i);
        if (escape && p == *escape) {
            if (i < pattern.size()) NextLikeChar(pattern, i);
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
            const char32_t c = NextLikeChar(text, tNext);
            char32_t p = NextLikeChar(pattern, pNext);
            if (escape && p == *escape) {
                // A trailing escape character stands for itself, never for its wildcard.
                if (pNext < pattern.size()) p = NextLikeChar(pattern, pNext);
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
        NextLikeChar(text, starT);
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
    // Sorting compares equal texts most of the time (a column holds few distinct values).
    if (a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0)) return 0;
    // A run of ASCII characters is compared by table; equal weights there mean equal in both
    // passes, and every ASCII byte stands at a character boundary, so the decoding passes may
    // take over from the first byte that is not ASCII.
    const size_t n = std::min(a.size(), b.size());
    size_t k = 0;
    for (; k < n; ++k) {
        const auto ca = static_cast<uint8_t>(a[k]);
        const auto cb = static_cast<uint8_t>(b[k]);
        if ((ca | cb) >= 0x80) return CompareDecodedFrom(a, b, k);
        if (ca != cb && kAsciiWeights[ca] != kAsciiWeights[cb]) return kAsciiWeights[ca] < kAsciiWeights[cb] ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace zofar
