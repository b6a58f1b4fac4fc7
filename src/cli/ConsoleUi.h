#pragma once

#include <optional>
#include <string>

#include "app/DocumentUi.h"

namespace zofar {

/// The document's screen for the command line: messages go to standard error, questions are
/// answered by the options given, and the Create dialog's answer is prepared beforehand.
class ConsoleUi : public DocumentUi {
public:
    /// Answer to every Yes/No question (the first-line question of an import).
    bool answerYes = false;
    /// What the Create dialog returns.
    std::optional<CreateDatabaseRequest> createRequest;
    /// Messages and engine errors shown so far.
    int messagesShown = 0;

    void ShowMessage(const std::string& text) override;
    void ShowStoreError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ShowStatusMessage(const std::string&) override {}
    void SetWaitCursor(bool) override {}
    void SetMainTitle(const std::string&) override {}
    void UpdateViews(ViewHint) override {}
    ListRows GetListRows() override { return {}; }
    std::optional<ColumnLayout> CaptureColumnLayout() override { return std::nullopt; }
    std::optional<std::string> RunSelectDatabaseDialog(const std::string&, const std::vector<std::string>&) override {
        return std::nullopt;
    }
    std::optional<CreateDatabaseRequest> RunCreateDatabaseDialog(const std::string&) override { return createRequest; }
    std::optional<FilterCriteria> RunFilterDialog(const FilterCriteria&) override { return std::nullopt; }
    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string& caption) override;
};

}  // namespace zofar
