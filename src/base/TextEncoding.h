#pragma once

#include <string>
#include <string_view>

namespace zofar {

/// Code page 1252 bytes to UTF-8. The five bytes the code page leaves undefined map to the C1
/// control characters of the same value, so nothing is lost.
std::string Cp1252ToUtf8(std::string_view bytes);
/// Cp1252ToUtf8 appended to `out`, which keeps its capacity: a reader that converts many fields
/// reuses its buffers instead of making a string per field.
void AppendCp1252ToUtf8(std::string& out, std::string_view bytes);

/// UTF-8 to code page 1252; a character the code page lacks becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

/// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

/// The text as UTF-8: kept when it is valid UTF-8, read as code page 1252 otherwise.
std::string ToUtf8Guessing(std::string_view bytes);

/// The text without its leading UTF-8 byte-order marks: a tool that adds one to a file that
/// already has one leaves two, and what follows them is still the file's first line.
std::string_view WithoutByteOrderMark(std::string_view bytes);

/// Number of characters (code points) of a UTF-8 text.
size_t Utf8Length(std::string_view utf8);

/// The first `maxChars` characters of a UTF-8 text; a character is never split.
std::string_view Utf8Prefix(std::string_view utf8, size_t maxChars);

}  // namespace zofar
