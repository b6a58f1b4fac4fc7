#include "rig/RigSettings.h"

#include <charconv>

namespace zofar {

namespace {

std::optional<long long> ReadWholeNumber(std::string_view text, long long low, long long high) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

bool HasBlank(std::string_view text) { return text.find_first_of(" \t") != std::string_view::npos; }

}  // namespace

std::variant<RigSettings, RigSettingsProblem> CheckRigSettings(const RigSettingsInput& input) {
    RigSettings settings;
    if (input.host.empty() || HasBlank(input.host)) {
        return RigSettingsProblem{"Please enter the host of the rig server, without blanks.", RigSettingsField::Host};
    }
    settings.host = input.host;
    const auto port = ReadWholeNumber(input.port, 1, 65535);
    if (!port) return RigSettingsProblem{"The port must be a number from 1 to 65535.", RigSettingsField::Port};
    settings.port = static_cast<std::uint16_t>(*port);
    const auto pollMs = ReadWholeNumber(input.pollMs, kMinRigPollMs, kMaxRigPollMs);
    if (!pollMs) {
        return RigSettingsProblem{"The poll interval must be a number of milliseconds from " +
                                      std::to_string(kMinRigPollMs) + " to " + std::to_string(kMaxRigPollMs) + ".",
                                  RigSettingsField::PollMs};
    }
    settings.pollMs = static_cast<int>(*pollMs);
    settings.connect = input.connect;
    settings.startRigctld = input.startRigctld;

    const auto model = ReadWholeNumber(input.model, 1, 2'147'483'647);
    const auto speed =
        input.speed.empty() ? std::optional<long long>(0) : ReadWholeNumber(input.speed, 0, kMaxRigSpeed);
    if (input.startRigctld) {
        if (!IsLoopbackHost(settings.host)) {
            return RigSettingsProblem{
                "rigctld started by ZOFAR runs on this computer: the host must be 127.0.0.1 "
                "or localhost.",
                RigSettingsField::Host};
        }
        if (!model) return RigSettingsProblem{"Please choose the rig model.", RigSettingsField::Model};
        if (HasBlank(input.device)) {
            return RigSettingsProblem{"The serial device must not hold blanks.", RigSettingsField::Device};
        }
        if (!speed) {
            return RigSettingsProblem{"The speed must be a number of baud up to " + std::to_string(kMaxRigSpeed) +
                                          ", or empty for the rig's own speed.",
                                      RigSettingsField::Speed};
        }
    }
    if (model) settings.model = static_cast<int>(*model);
    if (!HasBlank(input.device)) settings.device = input.device;
    if (speed) settings.speed = static_cast<int>(*speed);
    return settings;
}

RigSettingsInput RigSettingsToInput(const RigSettings& settings) {
    return RigSettingsInput{settings.host,
                            std::to_string(settings.port),
                            std::to_string(settings.pollMs),
                            settings.connect,
                            settings.startRigctld,
                            std::to_string(settings.model),
                            settings.device,
                            settings.speed == 0 ? std::string() : std::to_string(settings.speed)};
}

bool IsLoopbackHost(std::string_view host) {
    return host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0;
}

std::string RigServerText(std::string_view host, std::uint16_t port) {
    const bool ipv6 = host.find(':') != std::string_view::npos;
    return (ipv6 ? "[" + std::string(host) + "]" : std::string(host)) + ":" + std::to_string(port);
}

}  // namespace zofar
