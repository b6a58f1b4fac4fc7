#pragma once

#include <poll.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>

#include "rig/EchoGuard.h"
#include "rig/RigClient.h"
#include "rig/RigLinkSide.h"
#include "rig/RigStateReport.h"
#include "rig/RigTime.h"

namespace zofar {

struct RigBridgeTiming {
    std::chrono::milliseconds pollInterval{500};
    /// A link frame is answered no later than this after it came, whatever the rig does;
    /// below the bound a sender on the link waits.
    std::chrono::milliseconds answerBound{1500};
    RigClientTiming rig;
};

/// The bridge between the receiver link and a rig server: a tune frame (1002) tunes the rig
/// and is answered once the rig has answered, failed or timed out; a find-or-create frame
/// (2002) is answered at once; the rig's frequency is read every poll interval and a change
/// made at the rig is sent to ZOFAR as 10001.
class RigBridge {
public:
    /// What a frame is answered with.
    static constexpr std::uint32_t kAnswerDone = 1;
    static constexpr std::uint32_t kAnswerNotDone = 0;

    /// `link` must outlive the bridge. `log` takes one line per change of the rig connection's
    /// state (the program writes it to standard error).
    RigBridge(RigEndpoint rig, RigBridgeTiming timing, RigLinkSide& link, std::function<void(const std::string&)> log);
    RigBridge(const RigBridge&) = delete;
    RigBridge& operator=(const RigBridge&) = delete;

    /// One turn of the main loop: waits, at most `maxWait`, for the rig's socket, the link's
    /// descriptors or the next deadline, then handles whatever is due. A signal ends the wait.
    /// The descriptors in `extra` are waited on as well and get their revents filled in; the
    /// caller handles them (the program's stop signals, say).
    void RunRound(std::chrono::milliseconds maxWait, std::span<pollfd> extra = {});

    /// Takes the bridge's state reports: a change of the rig connection or of the dial, a tune
    /// that did not reach the rig, a find-or-create frame. A repeated state is not reported again.
    void SetStateReport(std::function<void(const RigStateReport&)> report) { stateReport_ = std::move(report); }

    void OnLinkRequest(const LinkRequest& request, RigTime now);
    void OnTimer(RigTime now);
    std::optional<RigTime> NextDeadline() const;

private:
    void AnswerOnce(std::uint64_t id, std::uint32_t answer);
    void OnPolled(const RigResult& result);
    void ReportState(const RigStateReport& report);
    void ReportEvent(const RigStateReport& report);

    RigLinkSide& link_;
    RigBridgeTiming timing_;
    std::function<void(const std::string&)> log_;
    std::function<void(const RigStateReport&)> stateReport_;
    std::optional<RigStateReport> lastState_;
    EchoGuard echoGuard_;
    /// Frames waiting for the rig, with the moment they must be answered anyway.
    std::map<std::uint64_t, RigTime> unanswered_;
    RigTime nextPoll_{};
    RigClient client_;
};

}  // namespace zofar
