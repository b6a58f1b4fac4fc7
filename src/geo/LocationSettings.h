#pragma once

#include <string>

#include "base/IniFile.h"
#include "geo/ListenerLocation.h"

namespace zofar {

/// Reads section "Location": a Locator that is not blank is the location (its centre); without
/// one, Latitude and Longitude in decimal degrees are. Any of them that does not read, a missing
/// degree value included, means no location; the locator text is kept as stored.
LocationSetting LoadLocation(const IniFile& ini);

/// Writes Locator (as given), Latitude and Longitude (decimal degrees with a point, empty without
/// a location) into section "Location"; other sections and keys stay as they are.
void SaveLocation(IniFile& ini, const LocationSetting& setting);

/// LoadLocation from the file at `path`; a missing or unreadable file gives no location.
LocationSetting LoadLocationFile(const std::string& path);

/// SaveLocation into the file at `path`, keeping what else the file holds. False when the file
/// could not be written; the old file is then unchanged.
bool SaveLocationFile(const std::string& path, const LocationSetting& setting);

}  // namespace zofar
