#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zofar {

/// A settings file of the Windows initialization-file form ("[Section]" headers, key=value
/// lines), read and written with the semantics of the Windows profile functions: section and
/// key names compare case-insensitively (ASCII letters), the first matching section and, in it,
/// the first matching key count, blanks around names and values are trimmed and a value in
/// matching quotes loses them. Lines the program does not know (other sections and keys, notes,
/// malformed lines) are kept as they were when the file is written again.
class IniFile {
public:
    /// Files larger than this are not read at all (a settings file is a few kilobytes; anything
    /// this size is not ours, and reading it would only cost memory). Such a file is kept as
    /// path + ".bak" when Save replaces it.
    static constexpr std::size_t kMaxFileBytes = 1024 * 1024;
    /// A value is read into a 4096-byte buffer by the profile functions: at most 4095 characters.
    static constexpr std::size_t kMaxValueChars = 4095;

    IniFile() = default;

    /// Parses file contents. Text that is not valid UTF-8 is read as code page 1252; a leading
    /// UTF-8 byte-order mark is skipped.
    static IniFile FromText(std::string_view bytes);

    /// Reads the file. A missing, unreadable or oversized file gives an empty IniFile, so every
    /// value reads as its default.
    static IniFile Load(const std::string& path);

    /// GetPrivateProfileString: the value, or `defaultValue` (without its trailing blanks) when
    /// the section or key is missing or the line has no '='. Cut to kMaxValueChars characters.
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    /// GetPrivateProfileInt: `defaultValue` when the key is missing or its value empty;
    /// otherwise the leading decimal number after optional blanks and one optional sign,
    /// wrapping modulo 2^32 on overflow as Windows does; a value without a leading number
    /// ("abc", "x5") reads as 0.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    /// WritePrivateProfileString: replaces the first matching key's line, or adds the key at
    /// the end of its section, or adds the section at the end of the file. A value that would
    /// not read back as written (surrounding blanks, enclosing quotes) is stored in double
    /// quotes; line breaks become blanks and the value ends at a NUL, since a value is one line.
    /// A value that is not UTF-8 is stored as code page 1252 text, so the file stays UTF-8.
    void SetString(std::string_view section, std::string_view key, std::string_view value);

    /// Writes the integer in decimal.
    void SetInt(std::string_view section, std::string_view key, int value);

    /// The file contents as written by Save: UTF-8, lines ended by "\n".
    std::string Text() const;

    /// Writes the whole file to a temporary file in the same folder and renames it over `path`
    /// (through a symbolic link to its target). Returns false, leaving the old file whole,
    /// when any step fails.
    bool Save(const std::string& path) const;

private:
    // Lines are kept as text and parsed when looked up: a file of a million short lines then
    // costs a string per line, not a parsed record.
    struct Section {
        std::optional<std::string> header;  // none for the lines before the first header
        std::string name;
        std::vector<std::string> lines;
    };

    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);
    static std::optional<size_t> FindKey(const Section& section, std::string_view key);

    std::vector<Section> sections_;
};

}  // namespace zofar
