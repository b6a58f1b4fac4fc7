#include "app/RigSettingsFile.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace zofar {

namespace {

constexpr std::string_view kSection = "Rig";

std::optional<long long> Whole(const IniFile& ini, std::string_view key, long long low, long long high) {
    const std::string text = ini.GetString(kSection, key, "");
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

bool Flag(const IniFile& ini, std::string_view key, bool defaultValue) {
    const std::string text = ini.GetString(kSection, key, "");
    if (text == "1") return true;
    if (text == "0") return false;
    return defaultValue;
}

}  // namespace

RigSettings LoadRigSettings(const IniFile& ini) {
    RigSettings settings;
    const RigSettings defaults;
    const std::string host = ini.GetString(kSection, "Host", defaults.host);
    if (!host.empty() && host.find_first_of(" \t") == std::string::npos) settings.host = host;
    settings.port = static_cast<std::uint16_t>(Whole(ini, "Port", 1, 65535).value_or(defaults.port));
    settings.pollMs = static_cast<int>(Whole(ini, "PollMs", kMinRigPollMs, kMaxRigPollMs).value_or(defaults.pollMs));
    settings.connect = Flag(ini, "Connect", defaults.connect);
    settings.startRigctld = Flag(ini, "StartRigctld", defaults.startRigctld);
    settings.model = static_cast<int>(Whole(ini, "Model", 1, 2'147'483'647).value_or(defaults.model));
    const std::string device = ini.GetString(kSection, "Device", "");
    if (device.find_first_of(" \t") == std::string::npos) settings.device = device;
    settings.speed = static_cast<int>(Whole(ini, "Speed", 0, kMaxRigSpeed).value_or(defaults.speed));
    return settings;
}

void SaveRigSettings(IniFile& ini, const RigSettings& settings) {
    ini.SetString(kSection, "Host", settings.host);
    ini.SetInt(kSection, "Port", settings.port);
    ini.SetInt(kSection, "PollMs", settings.pollMs);
    ini.SetInt(kSection, "Connect", settings.connect ? 1 : 0);
    ini.SetInt(kSection, "StartRigctld", settings.startRigctld ? 1 : 0);
    ini.SetInt(kSection, "Model", settings.model);
    ini.SetString(kSection, "Device", settings.device);
    ini.SetInt(kSection, "Speed", settings.speed);
}

RigSettings LoadRigSettingsFile(const std::string& path) { return LoadRigSettings(IniFile::Load(path)); }

bool SaveRigSettingsFile(const std::string& path, const RigSettings& settings) {
    IniFile ini = IniFile::Load(path);
    SaveRigSettings(ini, settings);
    return ini.Save(path);
}

}  // namespace zofar
