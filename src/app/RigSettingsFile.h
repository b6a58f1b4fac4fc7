#pragma once

#include <string>

#include "base/IniFile.h"
#include "rig/RigSettings.h"

namespace zofar {

/// Reads section "Rig": Host, Port, PollMs, Connect and StartRigctld (1 or 0), Model, Device,
/// Speed. A missing or malformed value (a port out of range, "yes" for a flag, a number with
/// trailing text) gives that key's default.
RigSettings LoadRigSettings(const IniFile& ini);

/// Writes every key of section "Rig"; other sections stay as they are.
void SaveRigSettings(IniFile& ini, const RigSettings& settings);

/// LoadRigSettings from the file at `path`; a missing or unreadable file gives the defaults.
RigSettings LoadRigSettingsFile(const std::string& path);

/// SaveRigSettings into the file at `path`, keeping what else it holds. False when the file
/// could not be written; the old file is then unchanged.
bool SaveRigSettingsFile(const std::string& path, const RigSettings& settings);

}  // namespace zofar
