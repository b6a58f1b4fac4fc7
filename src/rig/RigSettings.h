#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zofar {

/// How ZOFAR reaches the rig: the rig server the bridge talks to, how often it reads the dial,
/// whether the connection is made at start-up, and the rigctld ZOFAR may start for the user.
struct RigSettings {
    std::string host = "127.0.0.1";
    std::uint16_t port = 4532;
    int pollMs = 500;
    bool connect = false;       ///< connect when ZOFAR starts
    bool startRigctld = false;  ///< ZOFAR starts rigctld before the bridge
    int model = 1;              ///< Hamlib's rig model number (1 is its dummy rig)
    std::string device;         ///< serial device; empty leaves it to rigctld
    int speed = 0;              ///< serial speed in baud; 0 leaves it to rigctld

    bool operator==(const RigSettings&) const = default;
};

inline constexpr int kMinRigPollMs = 50;
inline constexpr int kMaxRigPollMs = 3'600'000;
inline constexpr int kMaxRigSpeed = 4'000'000;

/// A rig server a user is likely to run, with the port it listens on by default.
struct RigServerPreset {
    std::string_view name;
    std::uint16_t port;
};
inline constexpr std::array kRigServerPresets{
    RigServerPreset{"rigctld", 4532},
    RigServerPreset{"gqrx", 7356},
    RigServerPreset{"SDR++", 4532},
};

/// The rig connection dialog's fields as the user left them.
struct RigSettingsInput {
    std::string host;
    std::string port;
    std::string pollMs;
    bool connect = false;
    bool startRigctld = false;
    std::string model;
    std::string device;
    std::string speed;
};

enum class RigSettingsField { Host, Port, PollMs, Model, Device, Speed };

/// Why the dialog's fields were refused, and the field that gets the focus.
struct RigSettingsProblem {
    std::string message;
    RigSettingsField field;
};

/// Checks the dialog's fields. Host: not empty, no blanks; when ZOFAR starts rigctld it runs on
/// this computer, so the host must then be a loopback name or address. Port 1..65535; poll
/// interval kMinRigPollMs..kMaxRigPollMs. The model, device and speed are checked only when
/// ZOFAR starts rigctld (and kept as they are otherwise, when they read): model a positive
/// whole number, device without blanks, speed empty or 0 (rigctld's default) up to kMaxRigSpeed.
std::variant<RigSettings, RigSettingsProblem> CheckRigSettings(const RigSettingsInput& input);

/// The settings as the dialog shows them.
RigSettingsInput RigSettingsToInput(const RigSettings& settings);

/// True for the names and addresses of this computer's loopback interface.
bool IsLoopbackHost(std::string_view host);

/// "HOST:PORT", an IPv6 address in brackets.
std::string RigServerText(std::string_view host, std::uint16_t port);

}  // namespace zofar
