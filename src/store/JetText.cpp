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
