#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "rig/RigSettings.h"

namespace zofar {

/// The pause before a bridge that ended is started again: 1 s, then twice the last pause up to
/// 30 s; a run that lasted kSteadyRun or longer counts as a working bridge, and the pause after
/// it starts from 1 s again.
class RestartBackoff {
public:
    static constexpr std::chrono::milliseconds kFirstPause{1000};
    static constexpr std::chrono::milliseconds kLongestPause{30'000};
    static constexpr std::chrono::milliseconds kSteadyRun{30'000};

    /// The pause before the next start, after a run of `lastRun`.
    std::chrono::milliseconds NextPause(std::chrono::milliseconds lastRun);
    /// Forgets the earlier failures (the user switched the connection on anew).
    void Reset() { next_ = kFirstPause; }

private:
    std::chrono::milliseconds next_ = kFirstPause;
};

/// zofar-rig's arguments (without the program): state reports on standard output, the name the
/// document looks for on the link, and the rig server.
std::vector<std::string> BridgeArguments(const RigSettings& settings, const std::string& linkName);

/// rigctld's arguments (without the program): the model, the device and speed when given, and
/// the rig server's host and port to listen on.
std::vector<std::string> RigctldArguments(const RigSettings& settings);

}  // namespace zofar
