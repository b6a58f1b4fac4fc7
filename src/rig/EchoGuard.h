#pragma once

#include <cstdint>
#include <optional>

namespace zofar {

/// Tells a change of the rig's frequency made at the rig (to be reported) from the one the
/// bridge itself asked for. The frequency of the bridge's last tune hides only until the rig
/// has been seen on another frequency; turning the dial back to it later is reported.
class EchoGuard {
public:
    /// The bridge tuned the rig to `hz`.
    void NoteOwnTune(std::int64_t hz) { ownTune_ = hz; }
    /// Takes a frequency read from the rig (Hz); true when it is to be reported. The first
    /// frequency ever read only sets where the rig stands: nobody turned the dial yet.
    bool ShouldReport(std::int64_t hz);

private:
    std::optional<std::int64_t> lastSeen_;
    std::optional<std::int64_t> ownTune_;
};

}  // namespace zofar
