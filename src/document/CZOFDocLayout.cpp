// The document's column layouts: the common one and those of databases that keep their own.
#include "document/CZOFDoc.h"

#include "document/SettingsFile.h"
#include "view/FirstColumnLayout.h"

namespace zofar {

const ColumnLayout& CZOFDoc::SavedLayout() const {
    if (!layoutDatabase_.empty()) {
        if (const auto own = settings_.databaseLayouts.find(layoutDatabase_); own != settings_.databaseLayouts.end()) {
            return own->second;
        }
    }
    return settings_.layout;
}

ColumnLayout& CZOFDoc::ActiveLayout() {
    if (layoutDatabase_.empty()) return settings_.layout;
    return settings_.databaseLayouts[layoutDatabase_];
}

void CZOFDoc::ChooseLayout() {
    layoutDatabase_.clear();
    if (!store_.IsOpen()) return;
    const std::string& name = store_.DatabaseName();
    if (!settings_.databaseLayouts.contains(name)) {
        if (auto kept = LoadDatabaseLayout(IniFile::Load(paths_.settingsFile), name)) {
            settings_.databaseLayouts.emplace(name, *kept);
        } else if (store_.Columns().extension) {
            // Only schedules with the extension columns leave list columns empty as a rule; the
            // others keep the layout every database shares.
            settings_.databaseLayouts.emplace(name, FirstColumnLayout(FindEmptyFields(store_)));
        } else {
            return;
        }
    }
    layoutDatabase_ = name;
}

}  // namespace zofar
