#pragma once

#include <cstdint>
#include <string>

#include "receiver/LinkFrame.h"

namespace zofar {

/// How long a sender waits for the peer, in milliseconds: connecting, writing and the answer
/// together.
constexpr int kLinkAnswerTimeoutMs = 3000;

enum class LinkSendStatus {
    Delivered,  ///< the peer took the frame and answered
    NotActive,  ///< no socket, refused, closed early, no answer within the bound
};

struct LinkSendResult {
    LinkSendStatus status = LinkSendStatus::NotActive;
    /// The peer's answer, when delivered.
    uint32_t answer = 0;
};

/// Sends one frame to the socket at `socketPath` and waits for its answer, never longer than
/// `timeoutMs` in all. A frame with a name or data above kMaxLinkPayload is not sent (a peer
/// refuses it) and counts as not active. Writes never raise SIGPIPE.
LinkSendResult SendLinkFrame(const std::string& socketPath, const LinkFrame& frame,
                             int timeoutMs = kLinkAnswerTimeoutMs);

}  // namespace zofar
