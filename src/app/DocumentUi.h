#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DocumentSettings.h"
#include "import/ImportUi.h"
#include "selection/FilterCriteria.h"
#include "store/ListRows.h"

namespace zofar {

/// View updates sent by the document.
enum ViewHint : int {
    kHintRepaint = 0,         ///< repaint the rows
    kHintDatabaseChanged = 1, ///< database opened or closed: rebuild the columns
    kHintRequeried = 2,       ///< browse set requeried: reload the row count
    kHintShowCurrent = 3,     ///< show and select the current position
};

/// What the Create dialog hands back on OK.
struct CreateDatabaseRequest {
    std::string name;
    std::string sourcePath;      ///< full path of the chosen list
    std::string sourceFolder;    ///< the path up to and including its last '/'
    std::string sourceFileName;  ///< the file name with its extension
    int sourceKind = 0;          ///< 0 text list, 1 dBASE table
    bool replace = false;        ///< the user agreed to replace an existing database
};

/// Everything the document asks of the screen. The Qt shell implements it; tests script it.
class DocumentUi : public ImportUi {
public:
    ~DocumentUi() override = default;

    /// Modal message with the exclamation icon and an OK button.
    void ShowMessage(const std::string& text) override = 0;
    /// Modal message with the warning icon and an OK button, for database-engine errors.
    virtual void ShowStoreError(const std::string& text) = 0;
    /// Yes/No question with the question icon; true for Yes.
    bool AskYesNo(const std::string& text) override = 0;

    virtual void ShowStatusMessage(const std::string& text) = 0;
    /// true shows the busy cursor; calls nest.
    virtual void SetWaitCursor(bool on) = 0;
    virtual void SetMainTitle(const std::string& databaseName) = 0;
    virtual void UpdateViews(ViewHint hint) = 0;

    virtual ListRows GetListRows() = 0;
    /// The list's current column order and widths; nothing when the list has no columns.
    virtual std::optional<ColumnLayout> CaptureColumnLayout() = 0;

    /// The database to open or delete, chosen from `names`; nothing on Cancel.
    virtual std::optional<std::string> RunSelectDatabaseDialog(const std::string& caption,
                                                               const std::vector<std::string>& names) = 0;
    /// The Create dialog for databases in `databaseFolder`; nothing on Cancel.
    virtual std::optional<CreateDatabaseRequest> RunCreateDatabaseDialog(const std::string& databaseFolder) = 0;
    /// The filter dialog filled with `criteria`; the accepted values, nothing on Cancel.
    virtual std::optional<FilterCriteria> RunFilterDialog(const FilterCriteria& criteria) = 0;
};

}  // namespace zofar
