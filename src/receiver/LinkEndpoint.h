#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "receiver/LinkFrame.h"
#include "receiver/LinkListener.h"

class QSocketNotifier;

namespace zofar {

/// ZOFAR's incoming side of the receiver link in the event loop: it listens as "ZOFAR" in the
/// link folder, reads frames as their bytes arrive (socket notifiers, never a blocking read),
/// answers each frame with 0 as soon as it is complete and hands it to the handler, and drops
/// connections that stall. A frame that arrives while the handler is still busy with an earlier
/// one (a message box it shows runs the event loop) waits until that one is done; of several
/// such frames only the latest is handed on, so a stream of reports never piles up message
/// boxes.
class LinkEndpoint : public QObject {
    Q_OBJECT
public:
    /// Receives every complete frame; exceptions it throws are caught and dropped.
    using FrameHandler = std::function<void(const LinkFrame&)>;

    explicit LinkEndpoint(FrameHandler handler, QObject* parent = nullptr);
    ~LinkEndpoint() override;
    LinkEndpoint(const LinkEndpoint&) = delete;
    LinkEndpoint& operator=(const LinkEndpoint&) = delete;

    /// Listens on `folder` (ending with '/') under ZOFAR's name. A stale socket of that name is
    /// replaced; a live one (another ZOFAR) is left alone and reported as Taken.
    LinkOpenResult Open(const std::string& folder);

    bool Listening() const { return listener_.ListenFd() >= 0; }
    const std::string& SocketPath() const { return listener_.SocketPath(); }
    /// Connections open now (for tests).
    std::size_t OpenConnections() const { return listener_.ConnectionFds().size(); }

private:
    void OnListenReadable();
    void OnConnectionReadable(int fd);
    void OnIdleTick();
    /// Makes the notifiers match the listener's connections after it may have closed some.
    void SyncNotifiers();
    void Deliver(LinkFrame frame);

    FrameHandler handler_;
    LinkListener listener_;
    QSocketNotifier* listenNotifier_ = nullptr;
    std::map<int, QSocketNotifier*> connectionNotifiers_;
    QTimer idleTimer_;
    bool delivering_ = false;
    std::optional<LinkFrame> waiting_;
};

}  // namespace zofar
