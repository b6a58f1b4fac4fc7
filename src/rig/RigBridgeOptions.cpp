#include "rig/RigBridgeOptions.h"

#include <charconv>
#include <string_view>

namespace zofar {

namespace {

constexpr long long kMinPollMs = 50;
constexpr long long kMaxPollMs = 3'600'000;

std::optional<long long> ReadWholeNumber(const std::string& text, long long low, long long high) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

bool IsLinkName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

RigBridgeOptionsParse ParseRigBridgeOptions(const std::vector<std::string>& args) {
    RigBridgeOptionsParse parse;
    RigBridgeOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parse.helpWanted = true;
            return parse;
        }
        if (arg == "--report") {
            options.report = true;
            continue;
        }
        std::string option = arg;
        std::optional<std::string> value;
        if (const auto equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            option = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (option != "--name" && option != "--host" && option != "--port" && option != "--poll-ms") {
            parse.error = "unknown option: " + arg;
            return parse;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parse.error = "missing value after " + option;
                return parse;
            }
            value = args[++i];
        }
        if (option == "--name") {
            if (!IsLinkName(*value)) {
                parse.error = "the name must be a file name: not empty, \".\" or \"..\", and without \"/\"";
                return parse;
            }
            options.name = *value;
        } else if (option == "--host") {
            if (value->empty()) {
                parse.error = "the host must not be empty";
                return parse;
            }
            options.rig.host = *value;
        } else if (option == "--port") {
            const auto port = ReadWholeNumber(*value, 1, 65535);
            if (!port) {
                parse.error = "the port must be a number from 1 to 65535: " + *value;
                return parse;
            }
            options.rig.port = static_cast<std::uint16_t>(*port);
        } else {
            const auto ms = ReadWholeNumber(*value, kMinPollMs, kMaxPollMs);
            if (!ms) {
                parse.error = "the poll interval must be a number of milliseconds from " + std::to_string(kMinPollMs) +
                              " to " + std::to_string(kMaxPollMs) + ": " + *value;
                return parse;
            }
            options.pollInterval = std::chrono::milliseconds(*ms);
        }
    }
    parse.options = options;
    return parse;
}

std::string RigBridgeUsage() {
    return "Usage: zofar-rig [--name NAME] [--host HOST] [--port PORT] [--poll-ms MS] [--report]\n"
           "Tunes a rig server that speaks Hamlib's network protocol (rigctld, gqrx, SDR++) from ZOFAR,\n"
           "and moves ZOFAR's list when the rig is tuned.\n"
           "  --name NAME    name on the receiver link (default VESTRIX)\n"
           "  --host HOST    rig server host (default 127.0.0.1)\n"
           "  --port PORT    rig server TCP port (default 4532; gqrx uses 7356)\n"
           "  --poll-ms MS   how often the rig's frequency is read (default 500)\n"
           "  --report       state lines on standard output, for the program that starts the bridge;\n"
           "                 the bridge then ends when that program ends\n";
}

}  // namespace zofar
