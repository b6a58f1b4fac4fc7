#include "receiver/UnixSocketAddress.h"

#include <cstddef>
#include <cstring>

namespace zofar {

std::optional<UnixSocketAddress> MakeUnixSocketAddress(const std::string& path) {
    UnixSocketAddress result;
    if (path.empty() || path.find('\0') != std::string::npos || path.size() >= sizeof result.address.sun_path) {
        return std::nullopt;
    }
    result.address.sun_family = AF_UNIX;
    std::memcpy(result.address.sun_path, path.data(), path.size());
    result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    return result;
}

}  // namespace zofar
