#include "receiver/LinkListener.h"

#include <sys/socket.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "receiver/LinkFolder.h"
#include "receiver/LinkPeer.h"
#include "receiver/UnixSocketAddress.h"

namespace zofar {

namespace {

constexpr int kListenBacklog = 16;
// Accepting stops after this many per call, so a flood cannot hold the caller.
constexpr int kMaxAcceptsPerCall = 64;

bool Bind(int fd, const UnixSocketAddress& address) {
    return ::bind(fd, reinterpret_cast<const sockaddr*>(&address.address), address.length) == 0;
}

// Whether a program listens on the socket file: only a refused connection proves nobody does.
bool SomeoneListens(const UnixSocketAddress& address) {
    FileDescriptor probe(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!probe.Valid()) return true;
    int r;
    do {
        r = ::connect(probe.Get(), reinterpret_cast<const sockaddr*>(&address.address), address.length);
    } while (r != 0 && errno == EINTR);
    return r == 0 || (errno != ECONNREFUSED && errno != ENOENT);
}

LinkOpenResult Failure(LinkOpenStatus status, std::string message) { return {status, std::move(message)}; }

}  // namespace

LinkListener::LinkListener(uid_t allowedPeerUid) : allowedPeerUid_(allowedPeerUid) {}

LinkListener::~LinkListener() { Close(); }

LinkOpenResult LinkListener::Open(const std::string& folder, std::string_view name) {
    Close();
    const std::string path = LinkSocketPath(folder, name);
    const std::optional<UnixSocketAddress> address = MakeUnixSocketAddress(path);
    if (!address) return Failure(LinkOpenStatus::Failed, "The link socket path " + path + " is too long.");
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.Valid()) {
        return Failure(LinkOpenStatus::Failed,
                       std::string("The link socket cannot be made: ") + std::strerror(errno) + ".");
    }
    if (!Bind(fd.Get(), *address)) {
        if (errno != EADDRINUSE) {
            return Failure(LinkOpenStatus::Failed,
                           "The link socket " + path + " cannot be made: " + std::strerror(errno) + ".");
        }
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && !S_ISSOCK(st.st_mode)) {
            return Failure(LinkOpenStatus::Failed,
                           "The link socket " + path + " cannot be made: a file of that name is in the way.");
        }
        if (SomeoneListens(*address)) {
            return Failure(LinkOpenStatus::Taken, "Another program already listens on " + path + ".");
        }
        // A socket left behind by a program that ended without removing it.
        if ((::unlink(path.c_str()) != 0 && errno != ENOENT) || !Bind(fd.Get(), *address)) {
            return Failure(LinkOpenStatus::Taken,
                           "The link socket " + path + " cannot be taken over: " + std::strerror(errno) + ".");
        }
    }
    struct stat st {};
    if (::listen(fd.Get(), kListenBacklog) != 0 || ::stat(path.c_str(), &st) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(path.c_str());
        return Failure(LinkOpenStatus::Failed, "The link socket " + path + " cannot listen: " + reason + ".");
    }
    listen_ = std::move(fd);
    path_ = path;
    device_ = st.st_dev;
    inode_ = st.st_ino;
    return {LinkOpenStatus::Listening, {}};
}

void LinkListener::Close() {
    connections_.clear();
    if (!listen_.Valid()) return;
    // Another instance may have replaced a file it took for stale; its socket stays.
    struct stat st {};
    if (::lstat(path_.c_str(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_dev == device_ && st.st_ino == inode_) {
        ::unlink(path_.c_str());
    }
    listen_.Close();
    path_.clear();
}

std::size_t LinkListener::AcceptPending(std::chrono::steady_clock::time_point now) {
    std::size_t kept = 0;
    if (!listen_.Valid()) return kept;
    bool madeRoom = false;
    for (int attempt = 0; attempt < kMaxAcceptsPerCall; ++attempt) {
        FileDescriptor fd(::accept4(listen_.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!fd.Valid()) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            // Out of descriptors: the oldest connection makes room once, or the peer waits.
            if ((errno == EMFILE || errno == ENFILE) && !madeRoom && !connections_.empty()) {
                connections_.erase(connections_.begin());
                madeRoom = true;
                continue;
            }
            break;
        }
        if (!AcceptsLinkPeer(fd.Get(), allowedPeerUid_)) continue;
        if (connections_.size() >= kMaxLinkConnections) connections_.erase(connections_.begin());
        connections_.emplace_back(std::move(fd), now);
        ++kept;
    }
    return kept;
}

std::vector<int> LinkListener::ConnectionFds() const {
    std::vector<int> fds;
    fds.reserve(connections_.size());
    for (const LinkConnection& c : connections_) fds.push_back(c.Fd());
    return fds;
}

std::vector<LinkConnection>::iterator LinkListener::FindConnection(int fd) {
    return std::find_if(connections_.begin(), connections_.end(),
                        [fd](const LinkConnection& c) { return c.Fd() == fd; });
}

LinkReadResult LinkListener::ReadFrom(int fd) {
    const auto it = FindConnection(fd);
    if (it == connections_.end()) return {LinkReadStatus::Drop, {}};
    LinkReadResult result = it->ReadAvailable();
    if (result.status == LinkReadStatus::Drop) connections_.erase(it);
    return result;
}

bool LinkListener::Answer(int fd, uint32_t answer) {
    const auto it = FindConnection(fd);
    if (it == connections_.end()) return false;
    const bool written = it->Answer(answer);
    connections_.erase(it);
    return written;
}

void LinkListener::CloseConnection(int fd) {
    const auto it = FindConnection(fd);
    if (it != connections_.end()) connections_.erase(it);
}

std::size_t LinkListener::DropIdle(std::chrono::steady_clock::time_point now) {
    const auto limit = std::chrono::milliseconds(kLinkIdleLimitMs);
    return std::erase_if(connections_, [&](const LinkConnection& c) { return now - c.AcceptedAt() >= limit; });
}

}  // namespace zofar
