// zofar-rig: joins the receiver link under a name and tunes a rig server that speaks Hamlib's
// network protocol (rigctld, gqrx, SDR++); changes made at the rig go to ZOFAR as go-to
// frequency reports. Runs until SIGINT or SIGTERM; with --report, also until the program that
// started it ends.
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "receiver/LinkFolder.h"
#include "rig/LinkBridgeSide.h"
#include "rig/RigBridge.h"
#include "rig/RigBridgeOptions.h"
#include "rig/RigStateReport.h"
#include "rig/StopSignals.h"

namespace {

using namespace zofar;

// The longest the loop sleeps when nothing is due; every deadline of the bridge comes sooner.
constexpr std::chrono::milliseconds kLongestWait{1000};

// Writes `text` at once in one piece so lines never interleave.
void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

void LogLine(const std::string& line) { WriteAll(STDERR_FILENO, "zofar-rig: " + line + "\n"); }

void ReportLine(const RigStateReport& report) { WriteAll(STDOUT_FILENO, FormatRigStateReport(report) + "\n"); }

std::optional<std::string> Environment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

}  // namespace

int main(int argc, char** argv) {
    const RigBridgeOptionsParse parse = ParseRigBridgeOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parse.helpWanted) {
        std::cout << RigBridgeUsage();
        return 0;
    }
    if (!parse.options) {
        std::cerr << "zofar-rig: " << parse.error << "\n" << RigBridgeUsage();
        return 2;
    }
    const RigBridgeOptions& options = *parse.options;
    // The program that started the bridge for its reports; once it is gone, so is the reason
    // to run (the bridge is then the child of some other process).
    const pid_t starter = ::getppid();

    // A log reader that went away must not end the bridge.
    std::signal(SIGPIPE, SIG_IGN);
    StopSignals stop;
    if (!stop.Valid()) {
        LogLine("cannot watch for SIGINT and SIGTERM");
        return 1;
    }

    const LinkFolderResult folder = PrepareLinkFolder(Environment);
    if (folder.folder.empty()) {
        LogLine(folder.error);
        return 1;
    }
    LinkBridgeSide link(folder.folder, options.name, LogLine);
    const LinkOpenResult opened = link.Open();
    if (opened.status != LinkOpenStatus::Listening) {
        LogLine(opened.status == LinkOpenStatus::Taken
                    ? opened.message + " Another bridge may run under this name; --name gives this one another."
                    : opened.message);
        return 1;
    }
    LogLine("listening on the receiver link as " + options.name + " at " + link.SocketPath());

    RigBridgeTiming timing;
    timing.pollInterval = options.pollInterval;
    RigBridge bridge(options.rig, timing, link, LogLine);
    if (options.report) bridge.SetStateReport(ReportLine);
    for (;;) {
        pollfd signals{stop.Fd(), POLLIN, 0};
        bridge.RunRound(kLongestWait, {&signals, 1});
        if ((signals.revents & POLLIN) != 0) {
            if (const int signal = stop.Take(); signal != 0) {
                LogLine(std::string("stopped by ") + (signal == SIGINT ? "SIGINT" : "SIGTERM"));
                break;
            }
        }
        if (options.report && ::getppid() != starter) {
            LogLine("stopped: the program that started it has ended");
            break;
        }
    }
    return 0;
}
