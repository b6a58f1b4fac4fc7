#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rig/RigClient.h"

namespace zofar {

/// The settings of the rig bridge, from its command line.
struct RigBridgeOptions {
    /// The name the bridge goes by on the receiver link (ZOFAR's receiver program name).
    std::string name = "VESTRIX";
    RigEndpoint rig;
    std::chrono::milliseconds pollInterval{500};
    /// "--report": state lines on standard output for the program that started the bridge, and
    /// the bridge ends when that program does.
    bool report = false;
};

struct RigBridgeOptionsParse {
    std::optional<RigBridgeOptions> options;  ///< set when the command line was read
    bool helpWanted = false;                  ///< "--help" or "-h": print RigBridgeUsage()
    std::string error;                        ///< why the command line was refused
};

/// Reads --name, --host, --port and --poll-ms, each as "--opt value" or "--opt=value", and the
/// flag --report from the
/// arguments after the program's own name. A name must be usable as a file name on the link
/// (not empty, ".", ".." or holding "/"); the port is 1..65535; the poll interval 50..3600000 ms.
RigBridgeOptionsParse ParseRigBridgeOptions(const std::vector<std::string>& args);

/// The usage text, ending with a line end.
std::string RigBridgeUsage();

}  // namespace zofar
