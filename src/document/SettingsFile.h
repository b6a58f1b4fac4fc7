#pragma once

#include <optional>
#include <string>

#include "document/DocumentSettings.h"
#include "base/IniFile.h"

namespace zofar {

/// Reads sections "Settings" and "Output" into `settings`, every key with its default and
/// reading rule; every member of `settings` is assigned. A value that breaks its rule is
/// replaced by the rule's value, which is what the next save writes.
void LoadSettings(const IniFile& ini, DocumentSettings& settings);

/// Writes every key of sections "Settings" and "Output" in their fixed order; PreviewPages only
/// when not 0. Other sections and unknown keys of `ini` stay as they are.
void SaveSettings(IniFile& ini, const DocumentSettings& settings);

/// The layout kept for the database `name` (section "Layout NAME"); nothing when there is none.
std::optional<ColumnLayout> LoadDatabaseLayout(const IniFile& ini, const std::string& name);

/// LoadSettings from the file at `path`; a missing or unreadable file gives the defaults.
void LoadSettingsFile(const std::string& path, DocumentSettings& settings);

/// SaveSettings into the file at `path`, keeping what else the file holds. False when the file
/// could not be written; the old file is then unchanged.
bool SaveSettingsFile(const std::string& path, const DocumentSettings& settings);

/// Reads section "Window". True, with all three outputs set, when "Windowpos" holds ten
/// numbers; otherwise false and the outputs are untouched (the caller presets the bars visible).
bool LoadWindowPlacement(const IniFile& ini, WindowPlacement& placement, bool& toolbarVisible, bool& statusbarVisible);

/// Writes "Windowpos", "Toolbar" and "Statusbar" of section "Window".
void SaveWindowPlacement(IniFile& ini, const WindowPlacement& placement, bool toolbarVisible, bool statusbarVisible);

/// LoadWindowPlacement from the file at `path`.
bool LoadWindowPlacementFile(const std::string& path, WindowPlacement& placement, bool& toolbarVisible,
                             bool& statusbarVisible);

/// SaveWindowPlacement into the file at `path`, keeping what else the file holds. False when the
/// file could not be written; the old file is then unchanged.
bool SaveWindowPlacementFile(const std::string& path, const WindowPlacement& placement, bool toolbarVisible,
                             bool statusbarVisible);

}  // namespace zofar
