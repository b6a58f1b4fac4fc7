#include "rig/LinkBridgeSide.h"

#include <sys/stat.h>

#include <algorithm>
#include <utility>

#include "receiver/LinkFolder.h"
#include "receiver/LinkMessage.h"
#include "receiver/LittleEndian.h"

namespace zofar {

namespace {

std::optional<ino_t> SocketInode(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::nullopt;
    return st.st_ino;
}

}  // namespace

LinkBridgeSide::LinkBridgeSide(std::string folder, std::string name, Log log, std::chrono::milliseconds reportBound)
    : folder_(std::move(folder)), name_(std::move(name)), log_(std::move(log)), reportBound_(reportBound) {}

LinkOpenResult LinkBridgeSide::Open() { return listener_.Open(folder_, name_); }

std::vector<pollfd> LinkBridgeSide::PollFds() const {
    std::vector<pollfd> fds;
    if (listener_.ListenFd() >= 0) fds.push_back(pollfd{listener_.ListenFd(), POLLIN, 0});
    // Connections whose frame waits for the rig are watched too, so a sender that gives up is
    // noticed and its descriptor freed.
    for (const int fd : listener_.ConnectionFds()) fds.push_back(pollfd{fd, POLLIN, 0});
    if (reporter_.Fd() >= 0) fds.push_back(pollfd{reporter_.Fd(), reporter_.WantedEvents(), 0});
    return fds;
}

void LinkBridgeSide::OnPollFds(const std::vector<pollfd>& fds, RigTime now) {
    const int listenFd = listener_.ListenFd();
    const int reporterFd = reporter_.Fd();
    bool connectionsWaiting = false;
    short reporterEvents = 0;
    for (const pollfd& p : fds) {
        if (p.revents == 0 || p.fd < 0) continue;
        if (p.fd == listenFd) {
            connectionsWaiting = true;
        } else if (p.fd == reporterFd) {
            reporterEvents = p.revents;
        } else {
            ReadConnection(p.fd);
        }
    }
    reporter_.OnEvents(reporterEvents, now);
    if (connectionsWaiting) listener_.AcceptPending(now);
}

void LinkBridgeSide::ReadConnection(int fd) {
    LinkReadResult read = listener_.ReadFrom(fd);
    if (read.status == LinkReadStatus::Drop) {
        std::erase_if(unanswered_, [fd](const auto& entry) { return entry.second.fd == fd; });
        return;
    }
    if (read.status != LinkReadStatus::Frame) return;
    const std::optional<ino_t> inode = SocketInode(fd);
    if (!inode) {
        listener_.CloseConnection(fd);
        return;
    }
    const std::uint64_t id = nextId_++;
    unanswered_[id] = Sender{fd, *inode};
    const std::vector<std::uint8_t>& data = read.frame.data;
    requests_.push_back(LinkRequest{id, read.frame.dwData, std::string(data.begin(), data.end())});
}

bool LinkBridgeSide::StillOpen(const Sender& sender) const {
    const std::vector<int> open = listener_.ConnectionFds();
    if (std::find(open.begin(), open.end(), sender.fd) == open.end()) return false;
    return SocketInode(sender.fd) == sender.inode;
}

std::optional<RigTime> LinkBridgeSide::NextDeadline() const { return reporter_.NextDeadline(); }

void LinkBridgeSide::OnTimer(RigTime now) {
    reporter_.OnTimer(now);
    listener_.DropIdle(now);
    std::erase_if(unanswered_, [this](const auto& entry) { return !StillOpen(entry.second); });
}

std::vector<LinkRequest> LinkBridgeSide::TakeRequests() { return std::exchange(requests_, {}); }

void LinkBridgeSide::Answer(std::uint64_t id, std::uint32_t answer) {
    const auto it = unanswered_.find(id);
    if (it == unanswered_.end()) return;
    const Sender sender = it->second;
    unanswered_.erase(it);
    if (StillOpen(sender)) listener_.Answer(sender.fd, answer);
}

void LinkBridgeSide::SendFrequency(std::int32_t hz) {
    if (reporter_.Busy()) {
        waitingReport_ = hz;
    } else {
        StartReport(hz);
    }
}

void LinkBridgeSide::StartReport(std::int32_t hz) {
    LinkFrame frame{kGoToFrequencyMessage, name_, std::vector<std::uint8_t>(4)};
    PutU32LittleEndian(frame.data.data(), static_cast<std::uint32_t>(hz));
    reporter_.Start(LinkSocketPath(folder_, kZofarLinkName), frame, std::chrono::steady_clock::now(), reportBound_,
                    [this](const LinkSendResult& result) { Reported(result); });
}

void LinkBridgeSide::Reported(const LinkSendResult& result) {
    const bool taken = result.status == LinkSendStatus::Delivered;
    if (zofarTakesReports_ != taken) {
        zofarTakesReports_ = taken;
        if (log_) {
            log_(taken ? "ZOFAR takes the rig's frequency reports"
                       : "ZOFAR does not take the rig's frequency reports (not running, or not answering at " +
                             LinkSocketPath(folder_, kZofarLinkName) + ")");
        }
    }
    if (waitingReport_) StartReport(*std::exchange(waitingReport_, std::nullopt));
}

}  // namespace zofar
