#pragma once

#include <optional>
#include <string>

#include "base/UserPrompts.h"
#include "export/ExportDialogs.h"
#include "fetch/FetchDialogs.h"
#include "import/ImportUi.h"
#include "receiver/ReceiverDialogs.h"
#include "receiver/ReceiverLink.h"
#include "output/OutputDialogs.h"
#include "selection/SelectionDialogs.h"
#include "store/DatabaseDialogs.h"
#include "view/ListPort.h"

namespace zofar {

/// The document's screen for the command line: messages go to standard error, questions are
/// answered by the options given, and the Create dialog's answer is prepared beforehand. There
/// is no list, no receiver program is active; the clipboard and print dialogs answer as
/// `outputScope` says, the other dialogs answer Cancel.
class ConsoleUi : public UserPrompts,
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
    /// Answer to every Yes/No question (the first-line question of an import).
    bool answerYes = false;
    /// What the Create dialog returns.
    std::optional<CreateDatabaseRequest> createRequest;
    /// Messages and engine errors shown so far.
    int messagesShown = 0;
    /// The status text shown last.
    std::string lastStatus;
    /// The record scope the clipboard and print dialogs answer with (their other values as
    /// they were filled, Print for the print dialog); nothing makes them answer Cancel.
    std::optional<int> outputScope;
    /// What the Export dialog returns, whatever it was filled with.
    std::optional<ExportChoices> exportAnswer;

    void ShowMessage(const std::string& text) override;
    void ShowStoreError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ShowStatusMessage(const std::string& text) override { lastStatus = text; }
    void SetWaitCursor(bool) override {}
    void SetMainTitle(const std::string&) override {}
    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string& caption) override;
    std::optional<CreateDatabaseRequest> RunCreateDatabaseDialog(const std::string&) override { return createRequest; }
    std::optional<ClipboardChoices> RunClipboardDialog(const ClipboardChoices& choices) override;
    /// The clipboard of the command line is standard output: the text and one line feed.
    void PutOnClipboard(const std::string& text) override;
    std::optional<PrintRequest> RunPrintDialog(const PrintChoices& choices) override;
    std::optional<ExportChoices> RunExportDialog(const ExportChoices&) override { return exportAnswer; }
};

}  // namespace zofar
