#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "receiver/AsyncLinkSender.h"
#include "receiver/LinkListener.h"
#include "receiver/LinkSender.h"
#include "rig/RigLinkSide.h"

namespace zofar {

/// The receiver link as the rig bridge sees it: a socket under the bridge's name in the link
/// folder, whose frames are handed to the bridge and answered when it says so, and frequency
/// reports to ZOFAR sent without ever holding up the link. One report is under way at a time;
/// a newer one takes the place of one still waiting, since only where the dial is now matters.
class LinkBridgeSide : public RigLinkSide {
public:
    /// Takes a line for the user's log per change of whether ZOFAR takes the reports.
    using Log = std::function<void(const std::string&)>;

    /// `folder` is the link folder, ending with '/'; `name` the bridge's socket name and the
    /// sender name of its reports. A report not answered within `reportBound` is lost.
    LinkBridgeSide(std::string folder, std::string name, Log log = nullptr,
                   std::chrono::milliseconds reportBound = std::chrono::milliseconds(kLinkAnswerTimeoutMs));
    LinkBridgeSide(const LinkBridgeSide&) = delete;
    LinkBridgeSide& operator=(const LinkBridgeSide&) = delete;

    /// Starts listening; the socket is removed again when this goes.
    LinkOpenResult Open();
    const std::string& SocketPath() const { return listener_.SocketPath(); }

    std::vector<pollfd> PollFds() const override;
    void OnPollFds(const std::vector<pollfd>& fds, RigTime now) override;
    std::optional<RigTime> NextDeadline() const override;
    void OnTimer(RigTime now) override;
    std::vector<LinkRequest> TakeRequests() override;
    void Answer(std::uint64_t id, std::uint32_t answer) override;
    void SendFrequency(std::int32_t hz) override;

private:
    /// The connection a frame came on. Its descriptor number may be given to a newer
    /// connection once it is closed; the socket's inode tells the two apart.
    struct Sender {
        int fd = -1;
        ino_t inode = 0;
    };

    void ReadConnection(int fd);
    bool StillOpen(const Sender& sender) const;
    void StartReport(std::int32_t hz);
    void Reported(const LinkSendResult& result);

    std::string folder_;
    std::string name_;
    Log log_;
    std::chrono::milliseconds reportBound_;
    LinkListener listener_;
    std::uint64_t nextId_ = 1;
    std::vector<LinkRequest> requests_;
    std::map<std::uint64_t, Sender> unanswered_;
    AsyncLinkSender reporter_;
    std::optional<std::int32_t> waitingReport_;
    std::optional<bool> zofarTakesReports_;
};

}  // namespace zofar
