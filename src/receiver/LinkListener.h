#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileDescriptor.h"
#include "receiver/LinkConnection.h"

namespace zofar {

/// Most connections kept open at once; accepting one more drops the oldest.
constexpr std::size_t kMaxLinkConnections = 16;
/// A connection still open this long after it was accepted is dropped by DropIdle, in
/// milliseconds. Frames are answered as soon as they are read, so such a peer sent nothing,
/// half a frame, or waits on a frame nobody answers.
constexpr int kLinkIdleLimitMs = 5000;

enum class LinkOpenStatus {
    Listening,  ///< the socket is bound and listens
    Taken,      ///< another live program listens under the name; nothing is bound
    Failed,     ///< the socket cannot be made (a path too long, a file of the name in the way)
};

struct LinkOpenResult {
    LinkOpenStatus status = LinkOpenStatus::Failed;
    /// What went wrong, for the user; empty when listening.
    std::string message;
};

/// ZOFAR's incoming side of the link: a listening socket in the link folder and the connections
/// accepted on it. Nothing here blocks or starts a thread; the caller watches ListenFd() and the
/// connection descriptors and calls in when they are readable, and calls DropIdle now and then.
class LinkListener {
public:
    /// Only peers running as `allowedPeerUid` are served; others are closed on accepting.
    explicit LinkListener(uid_t allowedPeerUid = ::geteuid());
    ~LinkListener();
    LinkListener(const LinkListener&) = delete;
    LinkListener& operator=(const LinkListener&) = delete;

    /// Binds and listens on `folder` + `name`. A socket file nobody listens on is replaced; a
    /// live one is left alone (Taken); any other file of that name is not touched (Failed).
    LinkOpenResult Open(const std::string& folder, std::string_view name);
    /// Closes every connection and the socket, and removes the socket file when it is still
    /// the one this listener made.
    void Close();

    /// The listening descriptor; -1 when not listening.
    int ListenFd() const { return listen_.Get(); }
    const std::string& SocketPath() const { return path_; }

    /// Accepts the waiting connections; returns how many were kept.
    std::size_t AcceptPending(std::chrono::steady_clock::time_point now);
    /// The descriptors of the open connections, oldest first. Each call below may close some.
    std::vector<int> ConnectionFds() const;
    /// Reads from the connection `fd`; a Drop closes it (also for a descriptor not open here).
    LinkReadResult ReadFrom(int fd);
    /// Answers the frame read from connection `fd` and closes it; false when the answer could
    /// not be written.
    bool Answer(int fd, uint32_t answer);
    /// Closes the connection `fd` without an answer.
    void CloseConnection(int fd);
    /// Closes the connections accepted kLinkIdleLimitMs or longer before `now`; returns how many.
    std::size_t DropIdle(std::chrono::steady_clock::time_point now);

private:
    std::vector<LinkConnection>::iterator FindConnection(int fd);

    uid_t allowedPeerUid_;
    FileDescriptor listen_{-1};
    std::string path_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::vector<LinkConnection> connections_;
};

}  // namespace zofar
