#pragma once

#include <QMessageBox>
#include <QPointer>

#include <utility>
#include <vector>

#include "base/UserPrompts.h"
#include "export/ExportDialogs.h"
#include "fetch/FetchDialogs.h"
#include "fetch/QtHttpTransfer.h"
#include "import/ImportUi.h"
#include "receiver/ReceiverDialogs.h"
#include "receiver/SocketReceiverLink.h"
#include "output/OutputDialogs.h"
#include "output/PrintRunner.h"
#include "selection/SelectionDialogs.h"
#include "store/DatabaseDialogs.h"
#include "view/ListPort.h"

namespace zofar {

class CMainFrame;

/// The document's screen on Qt, in every role: message boxes captioned "ZOFAR", the status
/// bar's message pane, the busy cursor, the window title, the record list and the dialogs. It
/// may exist before the main window; until AttachFrame the boxes have no parent, status and
/// title go nowhere, and the list answers with no rows and no layout.
class QtDocumentUi : public UserPrompts,
                     public ImportUi,
                     public ListPort,
                     public DatabaseDialogs,
                     public SelectionDialogs,
                     public ReceiverLink,
                     public ReceiverDialogs,
                     public OutputDialogs,
                     public ExportDialogs,
                     public FetchDialogs {
public:
    QtDocumentUi() = default;
    ~QtDocumentUi() override;
    QtDocumentUi(const QtDocumentUi&) = delete;
    QtDocumentUi& operator=(const QtDocumentUi&) = delete;

    /// The window everything is shown in; the frame may be destroyed before this object.
    void AttachFrame(CMainFrame* frame);

    // UserPrompts and ImportUi
    void ShowMessage(const std::string& text) override;
    /// A database error met while the list paints its cells is shown once the painting is
    /// over, so no modal loop runs inside a paint.
    void ShowStoreError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool AskYesNoDefaultNo(const std::string& text) override;
    void ShowStatusMessage(const std::string& text) override;
    void SetWaitCursor(bool on) override;
    void SetMainTitle(const std::string& databaseName) override;
    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string& caption) override;

    // ListPort: the main window's list, and the status panes after every update.
    void UpdateViews(ViewHint hint) override;
    ListRows GetListRows() override;
    std::optional<ColumnLayout> CaptureColumnLayout() override;
    void SetLiveUpdates(bool on) override;

    // Dialogs
    std::optional<std::string> RunSelectDatabaseDialog(const std::string& caption,
                                                       const std::vector<std::string>& names,
                                                       const std::string& current) override;
    std::optional<CreateDatabaseRequest> RunCreateDatabaseDialog(const std::string& databaseFolder) override;
    std::optional<FilterCriteria> RunFilterDialog(const FilterCriteria& criteria, bool filterOn) override;
    std::optional<int> RunSelectPredefinedFilterDialog(const std::vector<std::string>& names) override;
    void RunManagePredefinedFiltersDialog(PredefinedFilterManager& manager) override;
    std::optional<double> RunGoToFrequencyDialog() override;
    std::optional<GoToTextEntry> RunGoToTextDialog(const std::string& label, GoToMode mode) override;
    std::optional<std::string> RunReceiverProgramDialog(const std::string& name) override;
    std::optional<LocationSetting> RunLocationDialog(const LocationSetting& current) override;

    // ReceiverLink: the sockets of the link folder; until SetLinkFolder no program is active.
    bool Send(const std::string& receiverName, const LinkFrame& frame) override;
    /// The link folder, ending with '/'; empty for none.
    void SetLinkFolder(const std::string& folder) { link_.SetFolder(folder); }
    std::optional<ClipboardChoices> RunClipboardDialog(const ClipboardChoices& choices) override;
    /// The text goes to the system clipboard as Unicode text.
    void PutOnClipboard(const std::string& text) override;
    std::optional<PrintRequest> RunPrintDialog(const PrintChoices& choices) override;
    PrintRunResult RunPrintJob(PrintAction action, const PrintJob& job) override;
    std::optional<ExportChoices> RunExportDialog(const ExportChoices& choices) override;

    void RunDownloadScheduleDialog(const FetchDialogInput& input, const DownloadAction& download) override;
    /// Made when first asked for, so that this object may exist before the application.
    HttpTransfer* ScheduleTransfer() override;

    /// Prints and previews with the printer the print dialog's Setup button chose.
    PrintRunner& Printing() { return printing_; }

    /// How many busy-cursor requests are still open.
    int WaitCursorDepth() const { return waitDepth_; }

    /// While on, messages and database errors wait (in order) instead of showing, so what the
    /// start-up meets is shown over the main window once it is up; off shows them.
    void HoldMessages(bool on);

private:
    ListPort* List() const;
    /// True when the message was kept for later.
    bool Held(const std::string& text, QMessageBox::Icon icon);

    QPointer<CMainFrame> frame_;
    int waitDepth_ = 0;
    bool holding_ = false;
    std::vector<std::pair<std::string, QMessageBox::Icon>> held_;
    SocketReceiverLink link_;
    PrintRunner printing_;
    std::unique_ptr<QtHttpTransfer> http_;
};

}  // namespace zofar
