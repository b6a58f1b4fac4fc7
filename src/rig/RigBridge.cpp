#include "rig/RigBridge.h"

#include <poll.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace zofar {

namespace {

constexpr std::uint32_t kTuneFrame = 1002;
constexpr std::uint32_t kFindStationFrame = 2002;

// The frequency in Hz in the first 4 bytes of a receiver record, little-endian and signed.
std::optional<std::int32_t> RecordFrequency(const std::string& data) {
    if (data.size() < 4) return std::nullopt;
    const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])); };
    const std::uint32_t bits = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    return static_cast<std::int32_t>(bits);
}

void Earliest(std::optional<RigTime>& soonest, std::optional<RigTime> candidate) {
    if (candidate && (!soonest || *candidate < *soonest)) soonest = candidate;
}

}  // namespace

RigBridge::RigBridge(RigEndpoint rig, RigBridgeTiming timing, RigLinkSide& link,
                     std::function<void(const std::string&)> log)
    : link_(link),
      timing_(timing),
      log_(std::move(log)),
      client_(std::move(rig), timing.rig, [this](RigConnectionState state, const std::string& line) {
          if (log_) log_(line);
          ReportState(state == RigConnectionState::Connected ? RigStateReport{RigReportKind::Connected, std::nullopt}
                                                             : RigStateReport{RigReportKind::NoServer, std::nullopt});
      }) {}

void RigBridge::ReportState(const RigStateReport& report) {
    if (lastState_ == report) return;
    lastState_ = report;
    ReportEvent(report);
}

void RigBridge::ReportEvent(const RigStateReport& report) {
    if (stateReport_) stateReport_(report);
}

void RigBridge::AnswerOnce(std::uint64_t id, std::uint32_t answer) {
    if (unanswered_.erase(id) == 1) link_.Answer(id, answer);
}

void RigBridge::OnLinkRequest(const LinkRequest& request, RigTime now) {
    const auto hz = RecordFrequency(request.data);
    if (request.dwData == kFindStationFrame) {
        link_.Answer(request.id, kAnswerDone);
        if (hz && *hz > 0) ReportEvent(RigStateReport{RigReportKind::FindIgnored, *hz});
        return;
    }
    if (request.dwData != kTuneFrame || !hz || *hz <= 0) {
        link_.Answer(request.id, kAnswerNotDone);
        return;
    }
    unanswered_[request.id] = now + timing_.answerBound;
    const std::int64_t tuned = *hz;
    client_.Tune(tuned, now, [this, id = request.id, tuned](const RigResult& result) {
        // After a timeout or a reply that did not read, the rig may well have tuned.
        if (result.outcome == RigOutcome::Answered || result.outcome == RigOutcome::Timeout ||
            result.outcome == RigOutcome::ProtocolError) {
            echoGuard_.NoteOwnTune(tuned);
        }
        AnswerOnce(id, result.outcome == RigOutcome::Answered ? kAnswerDone : kAnswerNotDone);
        if (result.outcome == RigOutcome::Answered) {
            ReportState(RigStateReport{RigReportKind::Connected, tuned});
        } else if (result.outcome != RigOutcome::Superseded) {
            // The next state, when it comes, is reported even if it is the one before the failure.
            lastState_.reset();
            ReportEvent(RigStateReport{RigReportKind::TuneFailed, tuned});
        }
    });
}

void RigBridge::OnPolled(const RigResult& result) {
    if (result.outcome != RigOutcome::Answered) return;
    ReportState(RigStateReport{RigReportKind::Connected, result.hz});
    if (echoGuard_.ShouldReport(result.hz) && result.hz <= std::numeric_limits<std::int32_t>::max()) {
        link_.SendFrequency(static_cast<std::int32_t>(result.hz));
    }
}

void RigBridge::OnTimer(RigTime now) {
    client_.OnTimer(now);
    if (now >= nextPoll_) {
        nextPoll_ = now + timing_.pollInterval;
        if (client_.Connected()) client_.Poll(now, [this](const RigResult& result) { OnPolled(result); });
    }
    std::vector<std::uint64_t> late;
    for (const auto& [id, due] : unanswered_) {
        if (due <= now) late.push_back(id);
    }
    for (const std::uint64_t id : late) AnswerOnce(id, kAnswerNotDone);
}

std::optional<RigTime> RigBridge::NextDeadline() const {
    std::optional<RigTime> soonest = nextPoll_;
    Earliest(soonest, client_.NextDeadline());
    for (const auto& [id, due] : unanswered_) Earliest(soonest, due);
    return soonest;
}

void RigBridge::RunRound(std::chrono::milliseconds maxWait, std::span<pollfd> extra) {
    std::vector<pollfd> fds = link_.PollFds();
    const std::size_t linkCount = fds.size();
    fds.insert(fds.end(), extra.begin(), extra.end());
    fds.push_back(pollfd{client_.Fd(), client_.WantedEvents(), 0});

    std::optional<RigTime> soonest = NextDeadline();
    Earliest(soonest, link_.NextDeadline());
    auto wait = maxWait;
    if (soonest) {
        const auto until = std::chrono::ceil<std::chrono::milliseconds>(*soonest - std::chrono::steady_clock::now());
        wait = std::clamp(until, std::chrono::milliseconds(0), maxWait);
    }
    if (::poll(fds.data(), fds.size(), static_cast<int>(wait.count())) < 0) {
        for (pollfd& fd : fds) fd.revents = 0;
    }

    const RigTime now = std::chrono::steady_clock::now();
    const short rigEvents = fds.back().revents;
    fds.pop_back();
    for (std::size_t i = 0; i < extra.size(); ++i) extra[i].revents = fds[linkCount + i].revents;
    fds.resize(linkCount);
    if (linkCount > 0) link_.OnPollFds(fds, now);
    client_.OnEvents(rigEvents, now);
    link_.OnTimer(now);
    for (const LinkRequest& request : link_.TakeRequests()) OnLinkRequest(request, now);
    OnTimer(now);
}

}  // namespace zofar
