#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/FileDescriptor.h"
#include "receiver/LinkFrame.h"
#include "receiver/LinkSender.h"

namespace zofar {

/// Sends one frame at a time to a program on the link and reads its answer without ever
/// blocking, for a program that must keep serving the link meanwhile (the peer may itself be
/// waiting for that program's answer). An outer loop waits on Fd() for WantedEvents() until
/// NextDeadline() and hands in what happened; the whole exchange, connecting, writing and the
/// answer, ends within the bound given to Start.
class AsyncLinkSender {
public:
    using Clock = std::chrono::steady_clock;
    /// Called once per exchange with how it ended.
    using Done = std::function<void(const LinkSendResult&)>;

    AsyncLinkSender() = default;
    AsyncLinkSender(const AsyncLinkSender&) = delete;
    AsyncLinkSender& operator=(const AsyncLinkSender&) = delete;

    /// Starts sending `frame` to the socket at `socketPath`, to be settled within `bound`.
    /// False, and `done` is dropped, while another exchange is under way. Otherwise `done` is
    /// called once: before Start returns when the peer is plainly not there (no socket file,
    /// nobody listening, a path too long, a frame too large for the link), else from OnEvents
    /// or OnTimer. It may start the next exchange.
    bool Start(const std::string& socketPath, const LinkFrame& frame, Clock::time_point now,
               std::chrono::milliseconds bound, Done done);
    bool Busy() const { return phase_ != Phase::Idle; }

    /// The socket to wait on, or -1 while there is none (poll(2) passes over a negative fd).
    int Fd() const { return phase_ == Phase::Writing || phase_ == Phase::Reading ? socket_.Get() : -1; }
    /// poll(2) events to wait for on Fd().
    short WantedEvents() const;
    /// What poll(2) reported for Fd().
    void OnEvents(short revents, Clock::time_point now);
    /// Ends an exchange past its bound and retries a connection the peer's full backlog held
    /// up; harmless when nothing is due.
    void OnTimer(Clock::time_point now);
    /// The next moment OnTimer has something to do, if any.
    std::optional<Clock::time_point> NextDeadline() const;

private:
    enum class Phase {
        Idle,
        Connecting,  ///< the peer's backlog was full: the connection is tried again shortly
        Writing,
        Reading
    };

    void TryConnect(Clock::time_point now);
    void Write();
    void Read();
    void Finish(LinkSendStatus status, std::uint32_t answer = 0);

    Phase phase_ = Phase::Idle;
    FileDescriptor socket_{-1};
    std::string socketPath_;
    std::vector<std::uint8_t> output_;
    std::size_t written_ = 0;
    std::uint8_t answer_[kLinkAnswerSize]{};
    std::size_t answerFill_ = 0;
    Clock::time_point deadline_{};
    Clock::time_point retryAt_{};
    Done done_;
};

}  // namespace zofar
