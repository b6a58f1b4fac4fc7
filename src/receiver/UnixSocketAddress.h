#pragma once

#include <sys/socket.h>
#include <sys/un.h>

#include <optional>
#include <string>

namespace zofar {

/// A Unix-domain socket address and its length for bind and connect.
struct UnixSocketAddress {
    sockaddr_un address{};
    socklen_t length = 0;
};

/// The address of the socket file at `path`; nothing when the path is empty, holds a NUL or
/// is too long for a socket address (107 bytes on Linux).
std::optional<UnixSocketAddress> MakeUnixSocketAddress(const std::string& path);

}  // namespace zofar
