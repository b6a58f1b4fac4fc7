#include "rig/RigClient.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace zofar {

namespace {

// What one OnEvents reads at most, so a server that floods the socket cannot hold the loop.
constexpr std::size_t kMaxReadPerEvent = 64 * 1024;

std::string ErrorText(int error) { return std::generic_category().message(error); }

std::string EndpointText(const RigEndpoint& endpoint) {
    const bool ipv6 = endpoint.host.find(':') != std::string::npos;
    return (ipv6 ? "[" + endpoint.host + "]" : endpoint.host) + ":" + std::to_string(endpoint.port);
}

}  // namespace

RigClient::RigClient(RigEndpoint endpoint, RigClientTiming timing, StateReport report)
    : endpoint_(std::move(endpoint)), timing_(timing), report_(std::move(report)), retryDelay_(timing.firstRetry) {}

short RigClient::WantedEvents() const {
    switch (phase_) {
    case Phase::Waiting: return 0;
    case Phase::Connecting: return POLLOUT;
    case Phase::Open: return static_cast<short>(POLLIN | (output_.empty() ? 0 : POLLOUT));
    }
    return 0;
}

std::optional<RigTime> RigClient::NextDeadline() const {
    switch (phase_) {
    case Phase::Waiting: return retryAt_;
    case Phase::Connecting: return connectDeadline_;
    case Phase::Open:
        if (inFlight_) return replyDeadline_;
        return std::nullopt;
    }
    return std::nullopt;
}

void RigClient::OnTimer(RigTime now) {
    switch (phase_) {
    case Phase::Waiting:
        if (now >= retryAt_) StartAttempt(now);
        break;
    case Phase::Connecting:
        if (now >= connectDeadline_) {
            ++addressIndex_;
            socket_.Close();
            if (addressIndex_ < addresses_.size()) {
                TryAddresses(now);
            } else {
                AttemptFailed("no answer to the connection", now);
            }
        }
        break;
    case Phase::Open:
        if (inFlight_ && now >= replyDeadline_) {
            // A command the server has not even read leaves the connection unusable; one it
            // read and did not answer leaves it as good as before.
            if (!output_.empty()) {
                ConnectionLost("the server does not read", now);
            } else {
                Complete(RigResult{RigOutcome::Timeout}, now);
            }
        }
        break;
    }
}

void RigClient::StartAttempt(RigTime now) {
    if (addresses_.empty()) {
        // A name is resolved once and kept, so only the first attempt can wait on a resolver.
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_flags = AI_NUMERICSERV;
        addrinfo* found = nullptr;
        const int status =
            ::getaddrinfo(endpoint_.host.c_str(), std::to_string(endpoint_.port).c_str(), &hints, &found);
        if (status != 0) {
            AttemptFailed(std::string("cannot resolve the host: ") + ::gai_strerror(status), now);
            return;
        }
        for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
            if (a->ai_addrlen > sizeof(sockaddr_storage)) continue;
            Address address;
            std::memcpy(&address.storage, a->ai_addr, a->ai_addrlen);
            address.length = a->ai_addrlen;
            addresses_.push_back(address);
        }
        ::freeaddrinfo(found);
        if (addresses_.empty()) {
            AttemptFailed("the host has no address", now);
            return;
        }
    }
    addressIndex_ = 0;
    TryAddresses(now);
}

void RigClient::TryAddresses(RigTime now) {
    int lastError = ECONNREFUSED;
    for (; addressIndex_ < addresses_.size(); ++addressIndex_) {
        const Address& address = addresses_[addressIndex_];
        FileDescriptor fd(::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (!fd.Valid()) {
            lastError = errno;
            continue;
        }
        int result;
        do {
            result = ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address.storage), address.length);
        } while (result != 0 && errno == EINTR);
        if (result == 0) {
            socket_ = std::move(fd);
            Opened(now);
            return;
        }
        if (errno == EINPROGRESS) {
            socket_ = std::move(fd);
            phase_ = Phase::Connecting;
            connectDeadline_ = now + timing_.connectTimeout;
            return;
        }
        lastError = errno;
    }
    AttemptFailed(ErrorText(lastError), now);
}

void RigClient::Opened(RigTime now) {
    phase_ = Phase::Open;
    answered_ = false;
    const int one = 1;
    ::setsockopt(socket_.Get(), IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    reader_.Clear();
    Report(RigConnectionState::Connected, "");
    StartNext(now);
}

void RigClient::AttemptFailed(const std::string& reason, RigTime now) {
    socket_.Close();
    phase_ = Phase::Waiting;
    retryAt_ = now + retryDelay_;
    retryDelay_ = std::min(retryDelay_ * 2, timing_.maxRetry);
    Report(RigConnectionState::Refused, reason);
    std::vector<Command> waiting;
    if (queuedTune_) waiting.push_back(std::move(*queuedTune_));
    if (queuedPoll_) waiting.push_back(std::move(*queuedPoll_));
    queuedTune_.reset();
    queuedPoll_.reset();
    FailAll(std::move(waiting));
}

void RigClient::ConnectionLost(const std::string& reason, RigTime now) {
    socket_.Close();
    phase_ = Phase::Waiting;
    if (answered_) retryDelay_ = timing_.firstRetry;
    retryAt_ = now + retryDelay_;
    retryDelay_ = std::min(retryDelay_ * 2, timing_.maxRetry);
    output_.clear();
    reader_.Clear();
    Report(RigConnectionState::Lost, reason);
    std::vector<Command> waiting;
    if (inFlight_) waiting.push_back(std::move(*inFlight_));
    if (queuedTune_) waiting.push_back(std::move(*queuedTune_));
    if (queuedPoll_) waiting.push_back(std::move(*queuedPoll_));
    inFlight_.reset();
    queuedTune_.reset();
    queuedPoll_.reset();
    FailAll(std::move(waiting));
}

void RigClient::FailAll(std::vector<Command> commands) {
    for (Command& command : commands) {
        if (command.done) command.done(RigResult{RigOutcome::NotConnected});
    }
}

void RigClient::Report(RigConnectionState state, const std::string& reason) {
    if (reported_ == state) return;
    reported_ = state;
    if (!report_) return;
    const std::string where = EndpointText(endpoint_);
    switch (state) {
    case RigConnectionState::Connected: report_(state, "connected to the rig server at " + where); break;
    case RigConnectionState::Lost: report_(state, "lost the rig server at " + where + ": " + reason); break;
    case RigConnectionState::Refused:
        report_(state, "cannot connect to the rig server at " + where + ": " + reason);
        break;
    }
}

void RigClient::Tune(std::int64_t hz, RigTime now, Done done) {
    if (hz < 1 || hz > kMaxRigFrequencyHz) {
        if (done) done(RigResult{RigOutcome::ProtocolError});
        return;
    }
    if (phase_ == Phase::Waiting) {
        if (done) done(RigResult{RigOutcome::NotConnected});
        return;
    }
    std::optional<Command> older = std::move(queuedTune_);
    queuedTune_ = Command{RigCommandKind::Tune, "F " + std::to_string(hz) + "\n", std::move(done)};
    if (older && older->done) older->done(RigResult{RigOutcome::Superseded});
    StartNext(now);
}

bool RigClient::Poll(RigTime now, Done done) {
    if (phase_ != Phase::Open || queuedPoll_ || (inFlight_ && inFlight_->kind == RigCommandKind::Poll)) return false;
    queuedPoll_ = Command{RigCommandKind::Poll, "f\n", std::move(done)};
    StartNext(now);
    return true;
}

void RigClient::StartNext(RigTime now) {
    if (phase_ != Phase::Open || inFlight_ || (!queuedTune_ && !queuedPoll_)) return;
    // Whatever is left of earlier replies (a repeated "RPRT", a reply that came after its
    // timeout) must not be taken for the answer to this command.
    if (!ReadPending(now) || inFlight_ || (!queuedTune_ && !queuedPoll_)) return;
    reader_.Resync();
    std::optional<Command>& next = queuedTune_ ? queuedTune_ : queuedPoll_;
    inFlight_ = std::move(next);
    next.reset();
    output_ = inFlight_->text;
    replyDeadline_ = now + timing_.replyTimeout;
    Flush(now);
}

void RigClient::Complete(const RigResult& result, RigTime now) {
    if (result.outcome != RigOutcome::Timeout) {
        answered_ = true;
        retryDelay_ = timing_.firstRetry;
    }
    Command finished = std::move(*inFlight_);
    inFlight_.reset();
    output_.clear();
    reader_.Resync();
    if (finished.done) finished.done(result);
    StartNext(now);
}

void RigClient::Flush(RigTime now) {
    while (!output_.empty()) {
        const ssize_t sent = ::send(socket_.Get(), output_.data(), output_.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) return;
            ConnectionLost(ErrorText(errno), now);
            return;
        }
        output_.erase(0, static_cast<std::size_t>(sent));
    }
}

bool RigClient::ReadPending(RigTime now) {
    char buffer[4096];
    std::size_t total = 0;
    while (total < kMaxReadPerEvent) {
        const ssize_t got = ::recv(socket_.Get(), buffer, sizeof buffer, 0);
        if (got > 0) {
            total += static_cast<std::size_t>(got);
            reader_.Append(std::string_view(buffer, static_cast<std::size_t>(got)));
            if (!inFlight_) reader_.Resync();
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
        const std::string reason = got == 0 ? "the server closed the connection" : ErrorText(errno);
        // A reply that came just before the close still counts; its caller hears of it once
        // the connection is closed, so nothing it starts from there can touch the dead socket.
        std::optional<RigResult> last = inFlight_ ? TakeReply() : std::nullopt;
        std::optional<Command> finished;
        if (last) {
            finished = std::move(inFlight_);
            inFlight_.reset();
            answered_ = true;
        }
        ConnectionLost(reason, now);
        if (finished && finished->done) finished->done(*last);
        return false;
    }
    return true;
}

std::optional<RigResult> RigClient::TakeReply() {
    while (const auto line = reader_.Next()) {
        if (line->overlong) return RigResult{RigOutcome::ProtocolError};
        if (auto result = ReplyForCommand(inFlight_->kind, ParseRigReplyLine(line->text))) return result;
    }
    return std::nullopt;
}

void RigClient::OnEvents(short revents, RigTime now) {
    if (revents == 0) return;
    if (phase_ == Phase::Connecting) {
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(socket_.Get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
        if (error == 0) {
            Opened(now);
            return;
        }
        socket_.Close();
        ++addressIndex_;
        if (addressIndex_ < addresses_.size()) {
            TryAddresses(now);
        } else {
            AttemptFailed(ErrorText(error), now);
        }
        return;
    }
    if (phase_ != Phase::Open) return;
    if ((revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        if (!ReadPending(now)) return;
        if (inFlight_) {
            if (const auto result = TakeReply()) Complete(*result, now);
        }
    }
    if (phase_ == Phase::Open && (revents & POLLOUT) != 0) Flush(now);
}

}  // namespace zofar
