#pragma once

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ReceiverSimulator.h"
#include "base/FileDescriptor.h"
#include "receiver/LittleEndian.h"
#include "receiver/UnixSocketAddress.h"

namespace zofar::test {

/// Leaves a socket file at `path` that nobody listens on, as a program that ended without
/// removing its socket does.
inline bool MakeStaleSocket(const std::string& path) {
    const auto address = MakeUnixSocketAddress(path);
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return address && ::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address->address), address->length) == 0;
}

/// A blocking client connection to the socket at `path`; invalid when it cannot connect.
inline FileDescriptor ConnectClient(const std::string& path) {
    const auto address = MakeUnixSocketAddress(path);
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!address || ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address->address), address->length) != 0) {
        return FileDescriptor(-1);
    }
    return fd;
}

inline bool WaitReadable(int fd, int timeoutMs = 2000) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) == 1;
}

inline bool SendBytes(int fd, const std::vector<uint8_t>& bytes) {
    return ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
}

/// The four-byte answer read by a client; nothing when the other side closed first or nothing
/// came within the time.
inline std::optional<uint32_t> ReadAnswer(int fd, int timeoutMs = 2000) {
    uint8_t bytes[4];
    std::size_t got = 0;
    while (got < sizeof bytes) {
        if (!WaitReadable(fd, timeoutMs)) return std::nullopt;
        const ssize_t n = ::recv(fd, bytes + got, sizeof bytes - got, 0);
        if (n <= 0) return std::nullopt;
        got += static_cast<std::size_t>(n);
    }
    return GetU32LittleEndian(bytes);
}

/// True when the other side has closed the connection within the time: end of file, or a reset
/// when it closed with bytes of ours unread.
inline bool ClosedByPeer(int fd, int timeoutMs = 2000) {
    uint8_t byte;
    if (!WaitReadable(fd, timeoutMs)) return false;
    const ssize_t n = ::recv(fd, &byte, 1, MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno == ECONNRESET);
}

/// A socket at `path` that listens with a backlog nobody takes from, filled up by clients: a
/// program too busy to accept.
struct FullBacklog {
    FileDescriptor server{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    std::vector<FileDescriptor> fillers;

    explicit FullBacklog(const std::string& path) {
        const auto address = MakeUnixSocketAddress(path);
        const auto* raw = reinterpret_cast<const sockaddr*>(&address->address);
        if (::bind(server.Get(), raw, address->length) != 0 || ::listen(server.Get(), 0) != 0) return;
        for (int i = 0; i < 4; ++i) {
            fillers.emplace_back(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
            ::connect(fillers.back().Get(), raw, address->length);
        }
    }
};

/// The peers a sender must give up on within its bound, in one folder: "HANGUP" closes without
/// answering, "SILENT" never answers, "STALE" is a socket nobody listens on, "FULL" a backlog
/// nobody takes from.
struct UnansweringPeers {
    ReceiverSimulator hangsUp;
    ReceiverSimulator silent;
    bool staleMade;
    FullBacklog full;

    explicit UnansweringPeers(const std::string& folder)
        : hangsUp(folder, "HANGUP"),
          silent(folder, "SILENT"),
          staleMade(MakeStaleSocket(folder + "STALE")),
          full(folder + "FULL") {
        hangsUp.SetReply(ReceiverSimulator::Reply::HangUp);
        silent.SetReply(ReceiverSimulator::Reply::Silent);
    }
};

}  // namespace zofar::test
