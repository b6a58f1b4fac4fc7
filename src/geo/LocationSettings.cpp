#include "geo/LocationSettings.h"

#include <string_view>

#include "geo/MaidenheadLocator.h"

namespace zofar {

namespace {

constexpr std::string_view kLocation = "Location";
constexpr std::string_view kLocator = "Locator";
constexpr std::string_view kLatitude = "Latitude";
constexpr std::string_view kLongitude = "Longitude";

}  // namespace

LocationSetting LoadLocation(const IniFile& ini) {
    LocationSetting setting;
    setting.locator = ini.GetString(kLocation, kLocator, "");
    if (setting.locator.find_first_not_of(" \t") != std::string::npos) {
        setting.location = ReadLocator(setting.locator).location;
    } else {
        setting.location =
            ReadDecimalLocation(ini.GetString(kLocation, kLatitude, ""), ini.GetString(kLocation, kLongitude, ""))
                .location;
    }
    return setting;
}

void SaveLocation(IniFile& ini, const LocationSetting& setting) {
    ini.SetString(kLocation, kLocator, setting.locator);
    ini.SetString(kLocation, kLatitude, setting.location ? FormatDecimalDegrees(setting.location->latitude) : "");
    ini.SetString(kLocation, kLongitude, setting.location ? FormatDecimalDegrees(setting.location->longitude) : "");
}

LocationSetting LoadLocationFile(const std::string& path) { return LoadLocation(IniFile::Load(path)); }

bool SaveLocationFile(const std::string& path, const LocationSetting& setting) {
    IniFile ini = IniFile::Load(path);
    SaveLocation(ini, setting);
    return ini.Save(path);
}

}  // namespace zofar
