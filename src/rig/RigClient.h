#pragma once

#include <sys/socket.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/FileDescriptor.h"
#include "rig/RigLineReader.h"
#include "rig/RigReply.h"
#include "rig/RigTime.h"

namespace zofar {

/// Where the rig server listens: a host name or address and a TCP port.
struct RigEndpoint {
    std::string host = "127.0.0.1";
    std::uint16_t port = 4532;
};

struct RigClientTiming {
    /// A command without a reply within this time ends as a timeout (some servers never answer
    /// what they do not know).
    std::chrono::milliseconds replyTimeout{1000};
    /// A connection that is neither made nor refused within this time counts as refused.
    std::chrono::milliseconds connectTimeout{2000};
    /// Wait before the next connection attempt; it doubles after every failure up to
    /// maxRetry, and returns to firstRetry once a connection has answered.
    std::chrono::milliseconds firstRetry{250};
    std::chrono::milliseconds maxRetry{2000};
};

enum class RigConnectionState { Connected, Lost, Refused };

/// A client of a rig server speaking Hamlib's network text protocol: only "F <Hz>" and "f",
/// one command at a time, LF line ends. It never blocks and starts no thread: an outer loop
/// waits on Fd() for WantedEvents() until NextDeadline(), and hands it what happened through
/// OnEvents and OnTimer. It connects by itself, and reconnects after a refusal or a lost
/// connection with a growing wait of at most RigClientTiming::maxRetry.
class RigClient {
public:
    /// Called once per request, from the client's own calls, with how the command ended.
    using Done = std::function<void(const RigResult&)>;
    /// Called once per change of the connection's state with a line for the user's log.
    using StateReport = std::function<void(RigConnectionState, const std::string& line)>;

    /// The first connection attempt waits for the first OnTimer (NextDeadline is due at once).
    RigClient(RigEndpoint endpoint, RigClientTiming timing, StateReport report);
    RigClient(const RigClient&) = delete;
    RigClient& operator=(const RigClient&) = delete;

    /// The socket to wait on, or -1 while there is none (poll(2) passes over a negative fd).
    int Fd() const { return socket_.Get(); }
    /// poll(2) events to wait for on Fd().
    short WantedEvents() const;
    /// What poll(2) reported for Fd().
    void OnEvents(short revents, RigTime now);
    /// Lets timeouts and reconnections fall due; harmless when nothing is due.
    void OnTimer(RigTime now);
    /// The next moment OnTimer has something to do, if any.
    std::optional<RigTime> NextDeadline() const;

    /// Tunes the rig to `hz` (1 .. kMaxRigFrequencyHz; others end as ProtocolError). `done` is
    /// always called once: at once, before Tune returns, when there is no connection; with
    /// Superseded when a newer Tune arrives before this one was sent; otherwise with the rig's
    /// answer, an error or a timeout. A tune goes before a waiting poll.
    void Tune(std::int64_t hz, RigTime now, Done done);
    /// Reads the rig's frequency. False, and `done` is dropped, when there is no open connection
    /// or a poll is already waiting or under way; otherwise `done` is called once.
    bool Poll(RigTime now, Done done);

    bool Connected() const { return phase_ == Phase::Open; }

private:
    enum class Phase { Waiting, Connecting, Open };
    struct Command {
        RigCommandKind kind;
        std::string text;
        Done done;
    };
    struct Address {
        sockaddr_storage storage{};
        socklen_t length = 0;
    };

    void StartAttempt(RigTime now);
    void TryAddresses(RigTime now);
    void Opened(RigTime now);
    void AttemptFailed(const std::string& reason, RigTime now);
    void ConnectionLost(const std::string& reason, RigTime now);
    void FailAll(std::vector<Command> commands);
    void Report(RigConnectionState state, const std::string& reason);

    void StartNext(RigTime now);
    void Complete(const RigResult& result, RigTime now);
    void Flush(RigTime now);
    /// Reads what the socket holds, at most a bounded amount; lines that come while no command
    /// waits are dropped. False when the connection ended (it is then closed and reported).
    bool ReadPending(RigTime now);
    /// The first of the lines read so far that settles the command under way.
    std::optional<RigResult> TakeReply();

    RigEndpoint endpoint_;
    RigClientTiming timing_;
    StateReport report_;

    Phase phase_ = Phase::Waiting;
    FileDescriptor socket_{-1};
    RigTime retryAt_{};
    RigTime connectDeadline_{};
    std::chrono::milliseconds retryDelay_;
    std::vector<Address> addresses_;
    std::size_t addressIndex_ = 0;
    bool answered_ = false;
    std::optional<RigConnectionState> reported_;

    std::optional<Command> inFlight_;
    RigTime replyDeadline_{};
    std::string output_;
    std::optional<Command> queuedTune_;
    std::optional<Command> queuedPoll_;
    RigLineReader reader_;
};

}  // namespace zofar
