#pragma once

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "rig/RigClient.h"

namespace zofar::test {

/// Drives a rig client as a main loop does, on the real clock, until `done` holds or `limit`
/// has passed; gives what `done` says at the end.
inline bool RunClientUntil(RigClient& client, const std::function<bool()>& done,
                           std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
    using std::chrono::steady_clock;
    const auto end = steady_clock::now() + limit;
    while (!done()) {
        const auto now = steady_clock::now();
        if (now >= end) return false;
        auto until = end;
        if (const auto deadline = client.NextDeadline()) until = std::min(until, *deadline);
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(until - now);
        pollfd fd{client.Fd(), client.WantedEvents(), 0};
        ::poll(&fd, 1, static_cast<int>(std::max<long long>(wait.count(), 0)));
        client.OnEvents(fd.revents, steady_clock::now());
        client.OnTimer(steady_clock::now());
    }
    return true;
}

}  // namespace zofar::test
