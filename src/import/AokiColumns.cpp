#include "import/AokiColumns.h"

#include <algorithm>

namespace zofar {

namespace {

constexpr std::array<std::string_view, AokiColumns::kCount> kHeaderWords = {
    "FRE", "STATION", "UTC", "Su-W-Sa", "Language", "Pow", "Azi", "Location", "ADM", "L/L", "Remarks"};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == Upper(y); });
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The byte where character `position` begins; the line's size when it has fewer characters.
std::size_t ByteOfCharacter(std::string_view line, std::size_t position) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (IsContinuation(static_cast<unsigned char>(line[i]))) continue;
        if (characters++ == position) return i;
    }
    return line.size();
}

bool IsAscii(std::string_view line) {
    return std::none_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

std::optional<AokiColumns> AokiColumns::FromHeader(std::string_view line) {
    if (line.size() < 3 || !SameIgnoringCase(line.substr(0, 3), kHeaderWords[kFre])) return std::nullopt;
    AokiColumns columns;
    columns.start_.fill(kAbsent);
    // Header words are ASCII; characters before them count one each.
    std::size_t character = 0, i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i, ++character;
            continue;
        }
        std::size_t end = i;
        std::size_t length = 0;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t') {
            if (!IsContinuation(static_cast<unsigned char>(line[end]))) ++length;
            ++end;
        }
        const std::string_view word = line.substr(i, end - i);
        for (std::size_t c = 0; c < kCount; ++c) {
            if (columns.start_[c] == kAbsent && SameIgnoringCase(word, kHeaderWords[c])) columns.start_[c] = character;
        }
        character += length;
        i = end;
    }
    if (columns.start_[kFre] == kAbsent || columns.start_[kStation] == kAbsent || columns.start_[kUtc] == kAbsent)
        return std::nullopt;
    for (std::size_t c = 0; c < kCount; ++c) {
        columns.end_[c] = kAbsent;
        if (columns.start_[c] == kAbsent) continue;
        for (std::size_t other = 0; other < kCount; ++other) {
            const std::size_t s = columns.start_[other];
            if (s != kAbsent && s > columns.start_[c]) columns.end_[c] = std::min(columns.end_[c], s);
        }
    }
    return columns;
}

std::optional<std::size_t> AokiColumns::Start(Column column) const {
    if (start_[column] == kAbsent) return std::nullopt;
    return start_[column];
}

std::string_view AokiColumns::Field(std::string_view line, Column column) const {
    const std::size_t start = start_[column];
    if (start == kAbsent) return {};
    const std::size_t end = end_[column];
    if (IsAscii(line)) {
        if (start >= line.size()) return {};
        return line.substr(start, end == kAbsent ? std::string_view::npos : end - start);
    }
    const std::size_t first = ByteOfCharacter(line, start);
    const std::size_t last = end == kAbsent ? line.size() : ByteOfCharacter(line, end);
    return line.substr(first, last - first);
}

}  // namespace zofar
