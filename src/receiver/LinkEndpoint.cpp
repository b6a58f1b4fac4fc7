#include "receiver/LinkEndpoint.h"

#include <QSocketNotifier>

#include <algorithm>
#include <chrono>
#include <exception>
#include <vector>

#include "receiver/LinkFolder.h"

namespace zofar {

namespace {

// Stalled connections are looked for at this pace; the limit itself is the listener's.
constexpr int kIdleCheckMs = 1000;
// What the frame answers a message with, as a window answers it by default.
constexpr uint32_t kAnswer = 0;

void Retire(QSocketNotifier* notifier) {
    // The notifier may be the one whose signal is being delivered, so it goes later.
    notifier->setEnabled(false);
    notifier->deleteLater();
}

}  // namespace

LinkEndpoint::LinkEndpoint(FrameHandler handler, QObject* parent) : QObject(parent), handler_(std::move(handler)) {
    idleTimer_.setInterval(kIdleCheckMs);
    connect(&idleTimer_, &QTimer::timeout, this, &LinkEndpoint::OnIdleTick);
}

LinkEndpoint::~LinkEndpoint() {
    // The descriptors close with the listener; their notifiers must not outlive them enabled.
    if (listenNotifier_) listenNotifier_->setEnabled(false);
    for (auto& [fd, notifier] : connectionNotifiers_) notifier->setEnabled(false);
}

LinkOpenResult LinkEndpoint::Open(const std::string& folder) {
    idleTimer_.stop();
    if (listenNotifier_) {
        Retire(listenNotifier_);
        listenNotifier_ = nullptr;
    }
    for (auto& [fd, notifier] : connectionNotifiers_) Retire(notifier);
    connectionNotifiers_.clear();

    LinkOpenResult result = listener_.Open(folder, kZofarLinkName);
    if (result.status != LinkOpenStatus::Listening) return result;
    listenNotifier_ = new QSocketNotifier(listener_.ListenFd(), QSocketNotifier::Read, this);
    connect(listenNotifier_, &QSocketNotifier::activated, this, &LinkEndpoint::OnListenReadable);
    return result;
}

void LinkEndpoint::OnListenReadable() {
    try {
        listener_.AcceptPending(std::chrono::steady_clock::now());
    } catch (const std::exception&) {
        // Out of memory for one more connection: the peer is not served and finds out by its
        // own bound.
    }
    SyncNotifiers();
}

void LinkEndpoint::OnConnectionReadable(int fd) {
    std::optional<LinkFrame> frame;
    try {
        LinkReadResult read = listener_.ReadFrom(fd);
        if (read.status == LinkReadStatus::Frame) {
            // Answered before it is acted on: the peer's wait never depends on a message box.
            listener_.Answer(fd, kAnswer);
            frame = std::move(read.frame);
        }
    } catch (const std::exception&) {
        listener_.CloseConnection(fd);
    }
    SyncNotifiers();
    if (frame) Deliver(std::move(*frame));
}

void LinkEndpoint::OnIdleTick() {
    listener_.DropIdle(std::chrono::steady_clock::now());
    SyncNotifiers();
}

void LinkEndpoint::SyncNotifiers() {
    std::vector<int> open;
    try {
        open = listener_.ConnectionFds();
    } catch (const std::exception&) {
        // Without the list every notifier goes; the connections are dropped by their bound.
    }
    for (auto it = connectionNotifiers_.begin(); it != connectionNotifiers_.end();) {
        if (std::find(open.begin(), open.end(), it->first) == open.end()) {
            Retire(it->second);
            it = connectionNotifiers_.erase(it);
        } else {
            ++it;
        }
    }
    for (int fd : open) {
        if (connectionNotifiers_.count(fd) != 0) continue;
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { OnConnectionReadable(fd); });
        connectionNotifiers_[fd] = notifier;
    }
    // Only open connections can stall; without any the program is not woken every second.
    if (connectionNotifiers_.empty()) {
        idleTimer_.stop();
    } else if (!idleTimer_.isActive()) {
        idleTimer_.start();
    }
}

void LinkEndpoint::Deliver(LinkFrame frame) {
    if (delivering_) {
        waiting_ = std::move(frame);
        return;
    }
    delivering_ = true;
    std::optional<LinkFrame> next = std::move(frame);
    while (next) {
        try {
            if (handler_) handler_(*next);
        } catch (...) {
            // A frame the program cannot act on is simply not acted on.
        }
        next = std::move(waiting_);
        waiting_.reset();
    }
    delivering_ = false;
}

}  // namespace zofar
