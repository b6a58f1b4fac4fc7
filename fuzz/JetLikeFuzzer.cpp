// LIKE against a reference matcher written from the rules alone: the pattern is parsed into
// tokens and matched by plain recursion over code points, so the program's one-pass matcher
// with its star backtracking must agree with it on every pattern, text and escape.
#include <optional>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "base/Utf8.h"
#include "store/JetText.h"

using namespace zofar;

namespace {

// Upper-case partner of the Western letters (ASCII, Latin-1, Latin Extended-A, the f with hook).
char32_t ReferenceFold(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c == 0x192) return 0x191;
    struct Run {
        char32_t first, last;  // the run's pairs, each upper case then lower case
    };
    constexpr Run kPairRuns[] = {{0x100, 0x137}, {0x139, 0x148}, {0x14A, 0x177}, {0x179, 0x17E}};
    for (const Run& run : kPairRuns) {
        if (c >= run.first && c <= run.last) return ((c - run.first) % 2 == 1) ? c - 1 : c;
    }
    return c;
}

bool SameLetter(char32_t a, char32_t b) { return ReferenceFold(a) == ReferenceFold(b); }

struct Range {
    char32_t lo, hi;
};

struct Token {
    enum Kind { Literal, Star, One, Digit, Class } kind = Literal;
    char32_t c = 0;
    bool negate = false;
    std::vector<Range> ranges;
};

// A byte that begins no well-formed sequence is a character of its own, equal to no code point.
constexpr char32_t kStrayByte = 0x110000;

std::vector<char32_t> Decode(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t len = DecodeUtf8(text, i, cp);
        out.push_back(len == 0 ? kStrayByte + static_cast<uint8_t>(text[i]) : cp);
        i += len == 0 ? 1 : len;
    }
    return out;
}

// Nothing for a pattern with a bracket that is not closed.
std::optional<std::vector<Token>> Parse(const std::vector<char32_t>& p, std::optional<char32_t> escape) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < p.size()) {
        const char32_t c = p[i++];
        Token t;
        if (escape && c == *escape) {
            // A trailing escape character stands for itself.
            t.c = i < p.size() ? p[i++] : c;
        } else if (c == '*') {
            t.kind = Token::Star;
        } else if (c == '?') {
            t.kind = Token::One;
        } else if (c == '#') {
            t.kind = Token::Digit;
        } else if (c == '[') {
            t.kind = Token::Class;
            if (i < p.size() && p[i] == '!') {
                t.negate = true;
                ++i;
            }
            bool closed = false;
            for (bool first = true; i < p.size(); first = false) {
                if (p[i] == ']' && !first) {
                    ++i;
                    closed = true;
                    break;
                }
                Range r{p[i], p[i]};
                ++i;
                if (i + 1 < p.size() && p[i] == '-' && p[i + 1] != ']') {
                    r.hi = p[i + 1];
                    i += 2;
                }
                t.ranges.push_back(r);
            }
            if (!closed) return std::nullopt;
        } else {
            t.c = c;
        }
        tokens.push_back(std::move(t));
    }
    return tokens;
}

// Some letter of c's case lies in the range; every letter with a case partner is below 0x200.
// A range between a character and a stray byte holds its ends only.
bool InRange(const Range& r, char32_t c) {
    if ((r.lo >= kStrayByte) != (r.hi >= kStrayByte)) return SameLetter(c, r.lo) || SameLetter(c, r.hi);
    if (c >= r.lo && c <= r.hi) return true;
    for (char32_t x = r.lo; x <= r.hi && x < 0x200; ++x)
        if (SameLetter(x, c)) return true;
    return false;
}

bool InClass(const Token& t, char32_t c) {
    bool in = false;
    for (const Range& r : t.ranges)
        if (InRange(r, c)) in = true;
    return in != t.negate;
}

class Matcher {
public:
    Matcher(const std::vector<Token>& pattern, const std::vector<char32_t>& text)
        : p_(pattern), t_(text), memo_((p_.size() + 1) * (t_.size() + 1), -1) {}

    bool Match(std::size_t pi, std::size_t ti) {
        signed char& known = memo_[pi * (t_.size() + 1) + ti];
        if (known < 0) known = Compute(pi, ti) ? 1 : 0;
        return known == 1;
    }

private:
    bool Compute(std::size_t pi, std::size_t ti) {
        if (pi == p_.size()) return ti == t_.size();
        const Token& tok = p_[pi];
        if (tok.kind == Token::Star) return Match(pi + 1, ti) || (ti < t_.size() && Match(pi, ti + 1));
        if (ti == t_.size()) return false;
        const char32_t c = t_[ti];
        bool step = false;
        switch (tok.kind) {
        case Token::Literal: step = SameLetter(tok.c, c); break;
        case Token::One: step = true; break;
        case Token::Digit: step = c >= '0' && c <= '9'; break;
        case Token::Class: step = InClass(tok, c); break;
        case Token::Star: break;
        }
        return step && Match(pi + 1, ti + 1);
    }

    const std::vector<Token>& p_;
    const std::vector<char32_t>& t_;
    std::vector<signed char> memo_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // First byte: bit 0 whether there is an escape character, the rest which one of a few.
    constexpr std::string_view kEscapes = "\\[*?#!]-a";
    std::optional<char32_t> escape;
    if (data[0] & 1) escape = static_cast<char32_t>(kEscapes[(data[0] >> 1) % kEscapes.size()]);
    fuzz::Pieces pieces(fuzz::Bytes(data + 1, size - 1));
    const std::string_view pattern = pieces.Next();
    const std::string_view text = pieces.Rest();

    const LikeResult got = MatchLike(pattern, text, escape);
    const auto tokens = Parse(Decode(pattern), escape);
    if (!tokens) {
        fuzz::Check(got == LikeResult::BadPattern, "a bracket that is not closed was taken");
        return 0;
    }
    fuzz::Check(got != LikeResult::BadPattern, "a well-formed pattern was refused");
    const std::vector<char32_t> decoded = Decode(text);
    Matcher reference(*tokens, decoded);
    fuzz::Check((got == LikeResult::Match) == reference.Match(0, 0), "LIKE disagrees with the reference matcher");
    return 0;
}
