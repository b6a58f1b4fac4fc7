#include "rig/EchoGuard.h"

namespace zofar {

bool EchoGuard::ShouldReport(std::int64_t hz) {
    if (!lastSeen_) {
        lastSeen_ = hz;
        return false;
    }
    // The rig still standing where it was says nothing about the bridge's tune: it may not
    // have reached the rig yet.
    if (hz == *lastSeen_) return false;
    lastSeen_ = hz;
    if (ownTune_ == hz) return false;
    ownTune_.reset();
    return true;
}

}  // namespace zofar
