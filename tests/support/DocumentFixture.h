#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "document/SettingsFile.h"
#include "base/Clock.h"
#include "document/CZOFDoc.h"
#include "support/FakeScreen.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

namespace zofar::test {

/// A document over a temporary database folder and named filters' file, with a scripted screen
/// and a fixed clock.
class DocumentFixture : public ::testing::Test {
protected:
    std::string SettingsPath() const { return dir.file("zofar.INI"); }
    std::string FilterPath() const { return dir.file("zofar.dat"); }

    /// Changes the document's settings the way a user editing the settings file would: the
    /// changed settings are written and the document loads them.
    void ChangeSettings(const std::function<void(DocumentSettings&)>& change) {
        DocumentSettings changed = doc.Settings();
        change(changed);
        ASSERT_TRUE(SaveSettingsFile(SettingsPath(), changed));
        doc.LoadSettings();
    }

    /// Creates the database `name` in the folder, UNIQUEID 1, 2, 3 ... in row order.
    void MakeDatabase(const std::string& name, const std::vector<Row>& rows) {
        RecordingReporter reporter;
        ASSERT_TRUE(CreateDatabase(dir.file(name + ".mdb"), rows, reporter));
    }

    /// Opens `name` through the Open command.
    void Open(const std::string& name) {
        ui.selectAnswers.push_back(name);
        doc.OnDatabaseOpen();
    }

    TempDir dir;
    FakeScreen ui;
    FixedClock clock;
    CZOFDoc doc{DocumentScreen::Of(ui), clock, DocumentPaths{SettingsPath(), dir.folder(), FilterPath()}};
};

}  // namespace zofar::test
