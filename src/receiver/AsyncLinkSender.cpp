#include "receiver/AsyncLinkSender.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "receiver/LittleEndian.h"
#include "receiver/UnixSocketAddress.h"

namespace zofar {

namespace {

// A full backlog gives no event to wait for, so connecting is tried again at this pace.
constexpr std::chrono::milliseconds kConnectRetry{10};

}  // namespace

bool AsyncLinkSender::Start(const std::string& socketPath, const LinkFrame& frame, Clock::time_point now,
                            std::chrono::milliseconds bound, Done done) {
    if (Busy()) return false;
    done_ = std::move(done);
    socketPath_ = socketPath;
    deadline_ = now + bound;
    written_ = 0;
    answerFill_ = 0;
    phase_ = Phase::Connecting;
    if (frame.senderName.size() > kMaxLinkPayload || frame.data.size() > kMaxLinkPayload) {
        Finish(LinkSendStatus::NotActive);
        return true;
    }
    output_ = EncodeLinkFrame(frame);
    TryConnect(now);
    return true;
}

void AsyncLinkSender::TryConnect(Clock::time_point now) {
    const std::optional<UnixSocketAddress> address = MakeUnixSocketAddress(socketPath_);
    if (!address) {
        Finish(LinkSendStatus::NotActive);
        return;
    }
    socket_ = FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket_.Valid()) {
        Finish(LinkSendStatus::NotActive);
        return;
    }
    int result;
    do {
        result = ::connect(socket_.Get(), reinterpret_cast<const sockaddr*>(&address->address), address->length);
    } while (result != 0 && errno == EINTR);
    if (result == 0 || errno == EINPROGRESS) {
        // A connection still in progress shows as writable once made; a failed one as an error.
        phase_ = Phase::Writing;
        if (result == 0) Write();
        return;
    }
    socket_.Close();
    if (errno == EAGAIN && now + kConnectRetry < deadline_) {
        retryAt_ = now + kConnectRetry;
        return;
    }
    Finish(LinkSendStatus::NotActive);
}

short AsyncLinkSender::WantedEvents() const {
    switch (phase_) {
    case Phase::Writing: return POLLOUT;
    case Phase::Reading: return POLLIN;
    case Phase::Idle:
    case Phase::Connecting: return 0;
    }
    return 0;
}

void AsyncLinkSender::OnEvents(short revents, Clock::time_point now) {
    if (revents == 0) return;
    if (phase_ == Phase::Writing) {
        // An error or hang-up while writing means the peer is gone; send would say so too, but
        // poll already has.
        if ((revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            Finish(LinkSendStatus::NotActive);
            return;
        }
        if ((revents & POLLOUT) != 0) Write();
    } else if (phase_ == Phase::Reading) {
        // An answer may lie in the socket together with the peer's hang-up: read it first.
        Read();
    }
    OnTimer(now);
}

void AsyncLinkSender::Write() {
    while (written_ < output_.size()) {
        const ssize_t n =
            ::send(socket_.Get(), output_.data() + written_, output_.size() - written_, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            written_ += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == ENOTCONN)) {
            return;
        } else {
            Finish(LinkSendStatus::NotActive);
            return;
        }
    }
    phase_ = Phase::Reading;
}

void AsyncLinkSender::Read() {
    while (answerFill_ < kLinkAnswerSize) {
        const ssize_t n = ::recv(socket_.Get(), answer_ + answerFill_, kLinkAnswerSize - answerFill_, MSG_DONTWAIT);
        if (n > 0) {
            answerFill_ += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;
        } else {
            Finish(LinkSendStatus::NotActive);
            return;
        }
    }
    Finish(LinkSendStatus::Delivered, GetU32LittleEndian(answer_));
}

void AsyncLinkSender::OnTimer(Clock::time_point now) {
    if (phase_ == Phase::Idle) return;
    if (now >= deadline_) {
        Finish(LinkSendStatus::NotActive);
        return;
    }
    if (phase_ == Phase::Connecting && now >= retryAt_) TryConnect(now);
}

std::optional<AsyncLinkSender::Clock::time_point> AsyncLinkSender::NextDeadline() const {
    switch (phase_) {
    case Phase::Idle: return std::nullopt;
    case Phase::Connecting: return std::min(retryAt_, deadline_);
    case Phase::Writing:
    case Phase::Reading: return deadline_;
    }
    return std::nullopt;
}

void AsyncLinkSender::Finish(LinkSendStatus status, std::uint32_t answer) {
    socket_.Close();
    output_.clear();
    phase_ = Phase::Idle;
    // Taken out first: the callback may start the next exchange.
    Done done = std::exchange(done_, nullptr);
    if (done) done(LinkSendResult{status, answer});
}

}  // namespace zofar
