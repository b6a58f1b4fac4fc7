#include "receiver/LinkConnection.h"

#include <sys/socket.h>

#include <cerrno>

#include "receiver/LittleEndian.h"

namespace zofar {

namespace {

// Enough for the largest frame in a handful of reads; a slower peer is read on the next call.
constexpr std::size_t kReadChunk = 16 * 1024;
constexpr int kMaxReadsPerCall = 16;

}  // namespace

LinkConnection::LinkConnection(FileDescriptor fd, std::chrono::steady_clock::time_point acceptedAt)
    : fd_(std::move(fd)), acceptedAt_(acceptedAt) {}

LinkReadResult LinkConnection::ReadAvailable() {
    LinkReadResult result;
    uint8_t buffer[kReadChunk];
    // A bounded number of reads per call, so a peer that keeps writing cannot hold the caller.
    for (int reads = 0; reads < kMaxReadsPerCall; ++reads) {
        const ssize_t n = ::recv(fd_.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return result;
        if (n <= 0) {
            result.status = LinkReadStatus::Drop;
            return result;
        }
        if (frameRead_) continue;
        LinkDecodeResult decoded = decoder_.Feed({buffer, static_cast<std::size_t>(n)});
        if (decoded.status == LinkDecodeStatus::Error) {
            result.status = LinkReadStatus::Drop;
            return result;
        }
        if (decoded.status == LinkDecodeStatus::Complete) {
            frameRead_ = true;
            result.status = LinkReadStatus::Frame;
            result.frame = std::move(decoded.frame);
            return result;
        }
    }
    return result;
}

bool LinkConnection::Answer(uint32_t answer) {
    uint8_t bytes[kLinkAnswerSize];
    PutU32LittleEndian(bytes, answer);
    for (;;) {
        const ssize_t n = ::send(fd_.Get(), bytes, sizeof bytes, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && errno == EINTR) continue;
        return n == static_cast<ssize_t>(sizeof bytes);
    }
}

}  // namespace zofar
