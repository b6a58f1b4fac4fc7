#pragma once

#include <cstddef>
#include <string_view>

namespace zofar {

/// The number of characters the engine's length() counts in a text, which the table's checks
/// hold against each column's size: the characters before the first NUL, where a byte from
/// 0xC0 up takes the continuation bytes (0x80..0xBF) that follow it and every other byte counts
/// on its own. For well-formed UTF-8 without NUL this is the number of code points.
std::size_t EngineTextLength(std::string_view text);

}  // namespace zofar
