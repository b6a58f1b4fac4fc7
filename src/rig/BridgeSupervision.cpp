#include "rig/BridgeSupervision.h"

#include <algorithm>

namespace zofar {

std::chrono::milliseconds RestartBackoff::NextPause(std::chrono::milliseconds lastRun) {
    if (lastRun >= kSteadyRun) next_ = kFirstPause;
    const auto pause = next_;
    next_ = std::min(next_ * 2, kLongestPause);
    return pause;
}

std::vector<std::string> BridgeArguments(const RigSettings& settings, const std::string& linkName) {
    return {"--report",
            "--name",
            linkName,
            "--host",
            settings.host,
            "--port",
            std::to_string(settings.port),
            "--poll-ms",
            std::to_string(settings.pollMs)};
}

std::vector<std::string> RigctldArguments(const RigSettings& settings) {
    std::vector<std::string> args{"-m", std::to_string(settings.model)};
    if (!settings.device.empty()) {
        args.push_back("-r");
        args.push_back(settings.device);
    }
    if (settings.speed > 0) {
        args.push_back("-s");
        args.push_back(std::to_string(settings.speed));
    }
    // Listening on the loopback address only: the radio is not offered to the whole network.
    args.insert(args.end(), {"-T", settings.host, "-t", std::to_string(settings.port)});
    return args;
}

}  // namespace zofar
