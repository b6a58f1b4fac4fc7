#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace zofar::test {

/// Hamlib's rigctld with its dummy rig (-m 1), listening on 127.0.0.1 at a port of the test's
/// choosing; stopped when this goes.
class RigctldProcess {
public:
    /// Starts rigctld and waits until it takes connections; the test fails when it cannot (the
    /// dependency script installs it, so a missing rigctld is a fault, not a reason to skip).
    explicit RigctldProcess(std::uint16_t port);
    ~RigctldProcess();
    RigctldProcess(const RigctldProcess&) = delete;
    RigctldProcess& operator=(const RigctldProcess&) = delete;

    bool Running() const { return pid_ > 0; }
    void Stop();

private:
    pid_t pid_ = -1;
};

/// Sends one command line to a rig server on 127.0.0.1 over a connection of its own, as another
/// program on the rig does, and gives the first reply line (empty when none came in time).
std::string AskRigServer(std::uint16_t port, const std::string& command);

}  // namespace zofar::test
