#include "base/IniFile.h"

#include <sys/stat.h>

#include <cstdint>
#include <iterator>
#include <utility>

#include "base/AtomicFile.h"
#include "base/RegularFile.h"
#include "base/TextEncoding.h"
#include "base/TextLines.h"

namespace zofar {

namespace {

// The profile functions trim these around names and values; 0x1A is the old end-of-file mark.
bool IsIniSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1A;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsIniSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsIniSpace(s.back())) s.remove_suffix(1);
    return s;
}

bool IsBlank(std::string_view s) { return Trim(s).empty(); }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

struct ParsedLine {
    std::string_view key;                   // the whole trimmed line when it has no '='
    std::optional<std::string_view> value;  // trimmed; none without '='
};

ParsedLine ParseLine(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    const auto eq = trimmed.find('=');
    if (eq == std::string_view::npos) return {trimmed, std::nullopt};
    return {Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool EnclosedInQuotes(std::string_view s) { return s.size() >= 2 && IsQuote(s.front()) && s.back() == s.front(); }

}  // namespace

IniFile IniFile::FromText(std::string_view bytes) {
    const std::string text = ToUtf8Guessing(WithoutByteOrderMark(bytes));

    IniFile ini;
    ini.sections_.emplace_back();
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        const std::string_view trimmed = Trim(line);
        const auto close = trimmed.rfind(']');
        if (trimmed.starts_with('[') && close != std::string_view::npos) {
            Section section;
            section.header = std::string(line);
            section.name = std::string(Trim(trimmed.substr(1, close - 1)));
            ini.sections_.push_back(std::move(section));
            continue;
        }
        ini.sections_.back().lines.emplace_back(line);
    }
    return ini;
}

IniFile IniFile::Load(const std::string& path) {
    const auto bytes = ReadRegularFile(path, kMaxFileBytes);
    return bytes ? FromText(*bytes) : IniFile{};
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    for (const Section& section : sections_) {
        if (section.header && !section.name.empty() && EqualsNoCase(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::optional<size_t> IniFile::FindKey(const Section& section, std::string_view key) {
    for (size_t i = 0; i < section.lines.size(); ++i) {
        const std::string_view name = ParseLine(section.lines[i]).key;
        if (!name.empty() && EqualsNoCase(name, key)) return i;
    }
    return std::nullopt;
}

std::string IniFile::GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    std::optional<std::string_view> found;
    if (const Section* s = FindSection(section)) {
        if (const auto index = FindKey(*s, key)) found = ParseLine(s->lines[*index]).value;
    }
    std::string result;
    if (found) {
        std::string_view value = *found;
        if (EnclosedInQuotes(value)) value = value.substr(1, value.size() - 2);
        result = std::string(value);
    } else {
        while (defaultValue.size() > 1 && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
        result = std::string(defaultValue);
    }
    // Callers of the profile functions see a C string.
    if (const auto nul = result.find('\0'); nul != std::string::npos) result.resize(nul);
    result.resize(Utf8Prefix(result, kMaxValueChars).size());
    return result;
}

int IniFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string value = GetString(section, key, "");
    if (value.empty()) return defaultValue;
    size_t i = 0;
    while (i < value.size() && static_cast<uint8_t>(value[i]) <= ' ') ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    uint32_t number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        number = number * 10u + static_cast<uint32_t>(value[i] - '0');
    }
    if (negative) number = 0u - number;
    return static_cast<int>(number);
}

void IniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    // A value whose bytes are not UTF-8 (a file name taken from the disk as it is) would make
    // the whole file read back as code page 1252 and change every other non-ASCII value; it is
    // written as the code page 1252 text it would read as anyway.
    std::string stored = ToUtf8Guessing(value.substr(0, value.find('\0')));
    for (char& c : stored) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (!stored.empty() && (IsIniSpace(stored.front()) || IsIniSpace(stored.back()) || EnclosedInQuotes(stored))) {
        stored = '"' + stored + '"';
    }
    std::string line = std::string(key) + "=" + stored;

    Section* s = FindSection(section);
    if (s == nullptr) {
        if (!sections_.empty()) {
            Section& last = sections_.back();
            const bool empty = !last.header && last.lines.empty();
            if (!empty && (last.lines.empty() || !IsBlank(last.lines.back()))) {
                last.lines.emplace_back();
            }
        }
        Section added;
        added.header = "[" + std::string(section) + "]";
        added.name = std::string(Trim(section));
        sections_.push_back(std::move(added));
        s = &sections_.back();
    }
    if (const auto index = FindKey(*s, key)) {
        s->lines[*index] = std::move(line);
        return;
    }
    // New keys go after the section's last line of text, before the blank lines that set it
    // apart from the next section.
    auto at = s->lines.end();
    while (at != s->lines.begin() && IsBlank(*std::prev(at))) --at;
    s->lines.insert(at, std::move(line));
}

void IniFile::SetInt(std::string_view section, std::string_view key, int value) {
    SetString(section, key, std::to_string(value));
}

std::string IniFile::Text() const {
    std::string text;
    for (const Section& section : sections_) {
        if (section.header) text += *section.header + "\n";
        for (const std::string& line : section.lines) text += line + "\n";
    }
    return text;
}

bool IniFile::Save(const std::string& path) const {
    // A file too large to have been read holds nothing this program wrote; it is kept aside
    // rather than overwritten.
    struct stat st {};
    const bool oversized = ::stat(path.c_str(), &st) == 0 && static_cast<std::uintmax_t>(st.st_size) > kMaxFileBytes;
    return WriteFileAtomically(path, Text(), oversized ? ".bak" : "");
}

}  // namespace zofar
