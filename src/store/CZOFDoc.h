#pragma once

#include <memory>
#include <string>

#include "base/Clock.h"
#include "app/DocumentSettings.h"
#include "app/DocumentUi.h"
#include "store/RecordStore.h"

namespace zofar {

/// Where the document keeps its files.
struct DocumentPaths {
    std::string settingsFile;    ///< full path of the settings file
    std::string databaseFolder;  ///< ends with '/'
};

/// The document: the hub that holds the open database, the browse set, the sort key, the filter
/// and every persistent setting, and handles the commands. It reaches the screen only through
/// DocumentUi, so every handler runs in tests without a display.
class CZOFDoc : public StoreErrorReporter {
public:
    CZOFDoc(DocumentUi& ui, const Clock& clock, DocumentPaths paths);
    ~CZOFDoc() override;
    CZOFDoc(const CZOFDoc&) = delete;
    CZOFDoc& operator=(const CZOFDoc&) = delete;

    // Life cycle.
    /// Loads the settings and reopens the last database; always succeeds.
    bool OnNewDocument();
    /// Closes the database at program end.
    void OnCloseDocument();
    /// Writes the settings file (sections "Settings" and "Output"); false when it could not.
    bool SaveSettings();

    // State the window shows.
    bool IsOpen() const { return store_.IsOpen(); }
    const std::string& DatabaseName() const { return store_.DatabaseName(); }
    int RecordCount() const { return store_.RecordCount(); }
    const std::string& SortKey() const { return settings_.sort; }
    bool FilterIsOn() const { return settings_.bFilter == 1; }
    /// The condition text for the current criteria, switch and clock.
    std::string BuildFilterCondition() const;
    int CurrentPosition() const { return store_.CurrentPosition(); }

    DocumentSettings& Settings() { return settings_; }
    const DocumentSettings& Settings() const { return settings_; }
    RecordStore& Store() { return store_; }
    const Clock& TimeSource() const { return clock_; }
    const DocumentPaths& Paths() const { return paths_; }
    DocumentUi& Ui() { return ui_; }

    // Commands.
    void OnDatabaseOpen();
    void OnDatabaseClose();
    void OnDatabaseCreate();
    void OnDatabaseDelete();
    void SortBy(const std::string& key);
    void RequeryCycle();
    void SetFilter();
    void ToggleFilter();

    void ReportStoreError(const std::string& description) override;

private:
    bool OpenCurrentDatabase(const std::string& name);
    std::string DatabasePath(const std::string& name) const;
    /// DatabasePath, or the listed file of that title when its extension has another case.
    std::string ExistingDatabasePath(const std::string& name) const;

    DocumentUi& ui_;
    const Clock& clock_;
    DocumentPaths paths_;
    DocumentSettings settings_;
    RecordStore store_;
};

}  // namespace zofar
