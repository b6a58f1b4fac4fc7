#include "receiver/LinkSender.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <limits>
#include <vector>

#include "base/FileDescriptor.h"
#include "receiver/LittleEndian.h"
#include "receiver/UnixSocketAddress.h"

namespace zofar {

namespace {

using Clock = std::chrono::steady_clock;

// A full backlog gives no event to wait for, so connecting is retried at this pace.
constexpr int kConnectRetryMs = 10;

int RemainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, std::numeric_limits<int>::max()));
}

// Waits for `events` on `fd` until the deadline; true when they came.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, RemainingMs(deadline));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        return (p.revents & events) != 0 || (p.revents & (POLLERR | POLLHUP)) != 0;
    }
}

bool Connect(int fd, const UnixSocketAddress& address, Clock::time_point deadline) {
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address.address), address.length) == 0) return true;
        if (errno == EINTR) continue;
        if (errno == EAGAIN) {
            if (RemainingMs(deadline) == 0) return false;
            ::poll(nullptr, 0, std::min(kConnectRetryMs, RemainingMs(deadline)));
            continue;
        }
        if (errno != EINPROGRESS) return false;
        if (!WaitFor(fd, POLLOUT, deadline)) return false;
        int error = 0;
        socklen_t length = sizeof error;
        return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes, Clock::time_point deadline) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

LinkSendResult SendLinkFrame(const std::string& socketPath, const LinkFrame& frame, int timeoutMs) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    LinkSendResult result;
    if (frame.senderName.size() > kMaxLinkPayload || frame.data.size() > kMaxLinkPayload) return result;
    const std::optional<UnixSocketAddress> address = MakeUnixSocketAddress(socketPath);
    if (!address) return result;
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.Valid() || !Connect(fd.Get(), *address, deadline)) return result;
    if (!WriteAll(fd.Get(), EncodeLinkFrame(frame), deadline)) return result;

    uint8_t answer[kLinkAnswerSize];
    std::size_t got = 0;
    while (got < sizeof answer) {
        const ssize_t n = ::recv(fd.Get(), answer + got, sizeof answer - got, MSG_DONTWAIT);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd.Get(), POLLIN, deadline)) return result;
        } else {
            return result;
        }
    }
    result.status = LinkSendStatus::Delivered;
    result.answer = GetU32LittleEndian(answer);
    return result;
}

}  // namespace zofar
