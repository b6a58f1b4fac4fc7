#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace zofar {

/// The bytes of the regular file at `path`, or nothing when it cannot be opened or read, is not a
/// regular file (a FIFO or a device would block or never end) or is larger than `maxBytes`,
/// also when it grows past that while it is read.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace zofar
