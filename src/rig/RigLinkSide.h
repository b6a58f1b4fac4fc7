#pragma once

#include <poll.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rig/RigTime.h"

namespace zofar {

/// A frame the receiver link received for the bridge; the sender waits for its answer.
struct LinkRequest {
    std::uint64_t id = 0;  ///< names the frame to RigLinkSide::Answer
    std::uint32_t dwData = 0;
    std::string data;  ///< the frame's cbData bytes
};

/// The receiver link as the rig bridge needs it: listening under the bridge's name, frames in,
/// answers out, frequency reports to ZOFAR. It is driven like the rig client, from the
/// readiness of its descriptors and from time, and never blocks the loop on a peer.
class RigLinkSide {
public:
    virtual ~RigLinkSide() = default;

    /// The descriptors to wait on and the poll(2) events wanted for each.
    virtual std::vector<pollfd> PollFds() const = 0;
    /// The descriptors PollFds gave, in the same order, with poll(2)'s revents filled in.
    virtual void OnPollFds(const std::vector<pollfd>& fds, RigTime now) = 0;
    /// The next moment OnTimer has something to do (a peer's bound, say), if any.
    virtual std::optional<RigTime> NextDeadline() const = 0;
    virtual void OnTimer(RigTime now) = 0;

    /// The frames received since the last call, oldest first.
    virtual std::vector<LinkRequest> TakeRequests() = 0;
    /// Answers a received frame with a u32; an id already answered, or whose sender has gone,
    /// is passed over.
    virtual void Answer(std::uint64_t id, std::uint32_t answer) = 0;
    /// Sends 10001 with `hz` (the first 4 bytes, little-endian) to the peer "ZOFAR". The bridge
    /// needs no answer: when ZOFAR is not there, or does not answer within the link's bound,
    /// the report is simply lost.
    virtual void SendFrequency(std::int32_t hz) = 0;
};

}  // namespace zofar
