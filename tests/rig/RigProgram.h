#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace zofar::test {

/// The zofar-rig program, run as a user runs it: its link folder lies in `runtimeFolder` (given
/// to it as XDG_RUNTIME_DIR) and its standard error goes to a file read back by Log(). Killed
/// when this goes, if it still runs.
class RigProgram {
public:
    RigProgram(const std::string& runtimeFolder, const std::vector<std::string>& args);
    ~RigProgram();
    RigProgram(const RigProgram&) = delete;
    RigProgram& operator=(const RigProgram&) = delete;

    bool Running();
    /// Sends `signal` and waits for the end: the exit status, or -1 when the program did not
    /// end by itself within the time (it is then killed).
    int Stop(int signal);
    /// What the program wrote to standard error so far.
    std::string Log() const;
    /// Waits until the log holds `text` `times` times; false when the time ran out first.
    bool WaitForLog(const std::string& text, int times = 1,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

private:
    std::string logPath_;
    pid_t pid_ = -1;
};

/// How often `text` occurs in `log`.
int Occurrences(const std::string& log, const std::string& text);

}  // namespace zofar::test
