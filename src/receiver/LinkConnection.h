#pragma once

#include <chrono>
#include <cstdint>

#include "base/FileDescriptor.h"
#include "receiver/LinkFrame.h"
#include "receiver/LinkFrameDecoder.h"

namespace zofar {

enum class LinkReadStatus {
    NothingYet,  ///< no complete frame so far; wait until the socket is readable again
    Frame,       ///< the peer's frame is complete and waits for its answer
    Drop,        ///< a malformed or oversized frame, an error, or the peer closed: close it
};

struct LinkReadResult {
    LinkReadStatus status = LinkReadStatus::NothingYet;
    /// The frame, when status is Frame.
    LinkFrame frame;
};

/// One accepted connection on ZOFAR's socket. It carries one frame and its answer; bytes that
/// follow the frame are ignored. Owns its descriptor, which is non-blocking.
class LinkConnection {
public:
    LinkConnection(FileDescriptor fd, std::chrono::steady_clock::time_point acceptedAt);

    int Fd() const { return fd_.Get(); }
    std::chrono::steady_clock::time_point AcceptedAt() const { return acceptedAt_; }

    /// Reads what has arrived without blocking and hands it to the frame decoder.
    LinkReadResult ReadAvailable();

    /// Writes the four-byte answer without blocking; false when the peer is gone or does not
    /// take it at once (then the connection is of no further use).
    bool Answer(uint32_t answer);

private:
    FileDescriptor fd_;
    std::chrono::steady_clock::time_point acceptedAt_;
    LinkFrameDecoder decoder_;
    bool frameRead_ = false;
};

}  // namespace zofar
