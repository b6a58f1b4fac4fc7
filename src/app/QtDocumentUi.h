#pragma once

#include <QPointer>

#include "app/DocumentUi.h"

namespace zofar {

class CMainFrame;

/// The document's screen on Qt: message boxes captioned "ZOFAR", the status bar's message
/// pane, the busy cursor, the window title, the list view and the dialogs. It may exist before
/// the main window; until AttachFrame the boxes have no parent, status and title go nowhere,
/// and the list answers with no rows and no layout.
class QtDocumentUi : public DocumentUi {
public:
    QtDocumentUi() = default;
    ~QtDocumentUi() override;
    QtDocumentUi(const QtDocumentUi&) = delete;
    QtDocumentUi& operator=(const QtDocumentUi&) = delete;

    /// The window everything is shown in; the frame may be destroyed before this object.
    void AttachFrame(CMainFrame* frame);

    void ShowMessage(const std::string& text) override;
    void ShowStoreError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

    void ShowStatusMessage(const std::string& text) override;
    void SetWaitCursor(bool on) override;
    void SetMainTitle(const std::string& databaseName) override;
    void UpdateViews(ViewHint hint) override;

    ListRows GetListRows() override;
    std::optional<ColumnLayout> CaptureColumnLayout() override;

    std::optional<std::string> RunSelectDatabaseDialog(const std::string& caption,
                                                       const std::vector<std::string>& names) override;
    std::optional<CreateDatabaseRequest> RunCreateDatabaseDialog(const std::string& databaseFolder) override;
    std::optional<FilterCriteria> RunFilterDialog(const FilterCriteria& criteria) override;

    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string& caption) override;

    /// How many busy-cursor requests are still open.
    int WaitCursorDepth() const { return waitDepth_; }

private:
    QPointer<CMainFrame> frame_;
    int waitDepth_ = 0;
};

}  // namespace zofar
