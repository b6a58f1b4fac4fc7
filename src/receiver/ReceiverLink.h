#pragma once

#include <string>

#include "receiver/LinkFrame.h"

namespace zofar {

/// How the document hands a frame to the receiver control program. The default has no link at
/// all: every program counts as not active.
class ReceiverLink {
public:
    virtual ~ReceiverLink() = default;

    /// Sends `frame` to the receiver program found by `receiverName` (the title-prefix rule) and
    /// waits for its answer, never longer than the link's bound. False when no such program is
    /// on the link or it did not answer in time: it is not active.
    virtual bool Send(const std::string& /*receiverName*/, const LinkFrame& /*frame*/) { return false; }
};

}  // namespace zofar
