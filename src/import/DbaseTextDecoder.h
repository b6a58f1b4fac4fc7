#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zofar {

/// Turns the texts of a dBASE table from the code page it declares into UTF-8.
class DbaseTextDecoder {
public:
    /// `declaration` is what the table declares (DbaseTable::CodePage): "LDID/n" from its
    /// language driver byte, or a code page file's text such as "1251", "ANSI 1251", "CP850",
    /// "UTF-8" or "ISO-8859-1". An empty, unknown or unsupported declaration reads as 1252.
    explicit DbaseTextDecoder(std::string_view declaration);
    ~DbaseTextDecoder();
    DbaseTextDecoder(const DbaseTextDecoder&) = delete;
    DbaseTextDecoder& operator=(const DbaseTextDecoder&) = delete;

    /// The character set texts are read in, named as iconv names it ("CP1252", "CP850", "UTF-8").
    const std::string& Charset() const { return charset_; }

    /// The text as UTF-8. A byte a single-byte code page leaves undefined becomes the control
    /// character of the same value, as in code page 1252, so nothing is lost; a multibyte
    /// character cut by the end of the text (a field too narrow for it) is dropped. Nothing when
    /// the bytes are not text of a multibyte character set.
    std::optional<std::string> ToUtf8(std::string_view bytes) const;

private:
    std::string charset_;
    bool singleByte_ = true;
    void* converter_ = nullptr;  // iconv_t, kept out of this header
};

/// The iconv name of the character set a code page declaration names; "CP1252" when it names
/// none this program knows.
std::string DbaseCharsetName(std::string_view declaration);

}  // namespace zofar
