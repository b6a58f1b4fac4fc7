#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

namespace zofar::test {

/// A scripted screen in every role: records every call and answers from queues the test fills.
/// An unscripted question answers No; an unscripted dialog answers Cancel.
class FakeScreen : public UserPrompts,
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
    std::vector<std::string> messages;            ///< ShowMessage texts
    std::vector<std::string> storeErrors;         ///< ShowStoreError texts
    std::vector<std::string> questions;           ///< AskYesNo texts
    std::vector<std::string> defaultNoQuestions;  ///< the questions asked with No as the default
    std::vector<std::string> statusTexts;
    std::vector<std::string> titles;
    std::vector<int> hints;
    std::vector<std::string> selectCaptions;
    std::vector<std::vector<std::string>> selectLists;
    std::vector<std::string> selectCurrents;         ///< the name each Select dialog opened on
    std::vector<std::pair<int, int>> progressCalls;  ///< (lower, upper) for ranges; (-1, pos) for positions
    std::vector<std::string> progressCaptions;       ///< captions of the progress windows opened
    int waitDepth = 0;
    int maxWaitDepth = 0;
    std::vector<bool> liveUpdates;  ///< SetLiveUpdates calls

    /// A real list that the list calls go to as well, when set.
    ListPort* list = nullptr;
    /// Runs while the document shows a status text, as events delivered during a long operation.
    std::function<void()> duringStatus;
    /// Runs while a print job or preview is open, as events delivered by its event loop.
    std::function<void()> duringPrintJob;

    std::deque<bool> answers;
    std::deque<std::optional<std::string>> selectAnswers;
    std::deque<std::optional<CreateDatabaseRequest>> createAnswers;
    std::deque<std::optional<FilterCriteria>> filterAnswers;
    std::vector<LocationSetting> locationDialogs;  ///< the location each dialog opened with
    std::deque<std::optional<LocationSetting>> locationAnswers;

    /// A press of a Manage dialog button with the list box line `selected` (-1 for none).
    struct ManageStep {
        enum Button { Create, Delete } button;
        int selected;
    };
    std::vector<std::vector<std::string>> selectFilterLists;  ///< names shown by each Select dialog
    std::deque<std::optional<int>> selectFilterAnswers;       ///< the line chosen with OK, or Cancel
    std::deque<std::vector<ManageStep>> manageScripts;        ///< one script per Manage dialog
    /// The Manage dialog's list box: its lines when it opens and after every refill.
    std::vector<std::vector<std::string>> manageLists;
    /// Names typed into the name dialog, each followed by OK; nothing is Cancel. A name the
    /// dialog's check refuses shows its message and the next one is typed.
    std::deque<std::optional<std::string>> nameAnswers;
    int nameDialogs = 0;  ///< name dialogs opened
    std::deque<std::optional<double>> goToFrequencyAnswers;
    std::deque<std::optional<GoToTextEntry>> goToTextAnswers;
    std::vector<std::pair<std::string, GoToMode>> goToTextDialogs;  ///< (label, mode) of each text dialog
    std::deque<std::optional<std::string>> receiverNameAnswers;
    std::vector<std::string> receiverNameDialogs;  ///< the name each receiver dialog opened with
    /// Frames sent on the link with the receiver name they were sent to.
    std::vector<std::pair<std::string, LinkFrame>> sentFrames;
    /// Whether a receiver program takes the frames sent.
    bool receiverActive = true;
    ListRows listRows;
    std::optional<ColumnLayout> layout;

    /// A print run as the screen received it, with the state of the screen at that moment.
    struct PrintRun {
        PrintAction action = PrintAction::Print;
        PageInput page;
        int previewPages = 0;
        int waitDepth = 0;
        bool liveUpdates = true;
    };
    std::vector<ClipboardChoices> clipboardDialogs;  ///< what each clipboard dialog was filled with
    std::deque<std::optional<ClipboardChoices>> clipboardAnswers;
    std::vector<std::string> clipboardTexts;
    std::vector<PrintChoices> printDialogs;  ///< what each print dialog was filled with
    std::deque<std::optional<PrintRequest>> printAnswers;
    std::vector<PrintRun> printRuns;
    std::deque<PrintRunResult> printResults;  ///< unscripted: printed, no reopening
    std::vector<ExportChoices> exportDialogs;  ///< what each Export dialog was filled with
    std::deque<std::optional<ExportChoices>> exportAnswers;

    /// The client downloads go through; none: the Download schedule command does nothing.
    HttpTransfer* transfer = nullptr;
    std::vector<FetchDialogInput> fetchDialogs;  ///< what each Download schedule dialog was filled with
    /// The values of each press of Download, in order; nothing closes the dialog.
    std::deque<std::optional<FetchChoices>> fetchAnswers;
    /// What each download the dialog ran answered (true: the dialog closed).
    std::vector<bool> fetchResults;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowStoreError(const std::string& text) override { storeErrors.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    bool AskYesNoDefaultNo(const std::string& text) override {
        defaultNoQuestions.push_back(text);
        return AskYesNo(text);
    }
    void ShowStatusMessage(const std::string& text) override {
        statusTexts.push_back(text);
        if (duringStatus) duringStatus();
    }
    void SetWaitCursor(bool on) override {
        waitDepth += on ? 1 : -1;
        if (waitDepth > maxWaitDepth) maxWaitDepth = waitDepth;
    }
    void SetMainTitle(const std::string& name) override { titles.push_back(name); }
    void UpdateViews(ViewHint hint) override {
        hints.push_back(hint);
        if (list) list->UpdateViews(hint);
    }
    ListRows GetListRows() override { return list ? list->GetListRows() : listRows; }
    std::optional<ColumnLayout> CaptureColumnLayout() override { return list ? list->CaptureColumnLayout() : layout; }
    void SetLiveUpdates(bool on) override {
        liveUpdates.push_back(on);
        if (list) list->SetLiveUpdates(on);
    }

    std::optional<std::string> RunSelectDatabaseDialog(const std::string& caption,
                                                       const std::vector<std::string>& names,
                                                       const std::string& current) override {
        selectCaptions.push_back(caption);
        selectCurrents.push_back(current);
        selectLists.push_back(names);
        return Pop(selectAnswers);
    }
    std::optional<CreateDatabaseRequest> RunCreateDatabaseDialog(const std::string&) override {
        return Pop(createAnswers);
    }
    std::optional<FilterCriteria> RunFilterDialog(const FilterCriteria&, bool) override { return Pop(filterAnswers); }
    std::optional<int> RunSelectPredefinedFilterDialog(const std::vector<std::string>& names) override {
        selectFilterLists.push_back(names);
        return Pop(selectFilterAnswers);
    }
    void RunManagePredefinedFiltersDialog(PredefinedFilterManager& manager) override {
        std::vector<ManageStep> script;
        if (!manageScripts.empty()) {
            script = std::move(manageScripts.front());
            manageScripts.pop_front();
        }
        ManagePrompts prompts(*this);
        manageLists.push_back(manager.Names());
        for (const ManageStep& step : script) {
            const bool changed = step.button == ManageStep::Create ? manager.CreateFilter(step.selected, prompts)
                                                                   : manager.DeleteFilter(step.selected, prompts);
            if (changed) manageLists.push_back(manager.Names());
        }
    }
    std::optional<double> RunGoToFrequencyDialog() override { return Pop(goToFrequencyAnswers); }
    std::optional<GoToTextEntry> RunGoToTextDialog(const std::string& label, GoToMode mode) override {
        goToTextDialogs.emplace_back(label, mode);
        return Pop(goToTextAnswers);
    }
    std::optional<std::string> RunReceiverProgramDialog(const std::string& name) override {
        receiverNameDialogs.push_back(name);
        return Pop(receiverNameAnswers);
    }
    std::optional<LocationSetting> RunLocationDialog(const LocationSetting& current) override {
        locationDialogs.push_back(current);
        return Pop(locationAnswers);
    }
    bool Send(const std::string& receiverName, const LinkFrame& frame) override {
        sentFrames.emplace_back(receiverName, frame);
        return receiverActive;
    }

    std::optional<ClipboardChoices> RunClipboardDialog(const ClipboardChoices& choices) override {
        clipboardDialogs.push_back(choices);
        return Pop(clipboardAnswers);
    }
    void PutOnClipboard(const std::string& text) override { clipboardTexts.push_back(text); }
    std::optional<PrintRequest> RunPrintDialog(const PrintChoices& choices) override {
        printDialogs.push_back(choices);
        return Pop(printAnswers);
    }
    PrintRunResult RunPrintJob(PrintAction action, const PrintJob& job) override {
        if (duringPrintJob) duringPrintJob();
        printRuns.push_back({action, job.page, job.previewPages, waitDepth, liveUpdates.empty() || liveUpdates.back()});
        if (printResults.empty()) return {false, job.previewPages};
        const PrintRunResult result = printResults.front();
        printResults.pop_front();
        return result;
    }

    std::optional<ExportChoices> RunExportDialog(const ExportChoices& choices) override {
        exportDialogs.push_back(choices);
        return Pop(exportAnswers);
    }
    void RunDownloadScheduleDialog(const FetchDialogInput& input, const DownloadAction& download) override {
        fetchDialogs.push_back(input);
        while (auto choices = Pop(fetchAnswers)) {
            NoProgress progress;
            fetchResults.push_back(download(*choices, progress));
            if (fetchResults.back()) return;
        }
    }
    HttpTransfer* ScheduleTransfer() override { return transfer; }

    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string& caption) override {
        progressCaptions.push_back(caption);
        return std::make_unique<Progress>(progressCalls);
    }

private:
    // The Manage dialog's messages and questions land with all the others.
    class ManagePrompts : public PredefinedFilterPrompts {
    public:
        explicit ManagePrompts(FakeScreen& screen) : screen_(screen) {}
        void ShowMessage(const std::string& text) override { screen_.ShowMessage(text); }
        bool AskYesNo(const std::string& text) override { return screen_.AskYesNo(text); }
        std::optional<std::string> EnterFilterName(const FilterNameCheck& check) override {
            ++screen_.nameDialogs;
            while (auto typed = Pop(screen_.nameAnswers)) {
                const auto problem = check(*typed);
                if (!problem) return typed;
                screen_.ShowMessage(*problem);
            }
            return std::nullopt;
        }

    private:
        FakeScreen& screen_;
    };

    class Progress : public ImportProgress {
    public:
        explicit Progress(std::vector<std::pair<int, int>>& calls) : calls_(calls) {}
        void SetRange(int lower, int upper) override { calls_.emplace_back(lower, upper); }
        void SetPosition(int position) override { calls_.emplace_back(-1, position); }

    private:
        std::vector<std::pair<int, int>>& calls_;
    };

    class NoProgress : public DownloadProgress {
    public:
        void Progress(const std::string&, long long, long long) override {}
        bool CancelRequested() override { return false; }
    };

    // The answer is taken from the queue as it stands, without moving an optional: GCC 12 takes
    // the members of a moved std::optional of a struct with vectors for uninitialised (its bug
    // 80635).
    template <typename T>
    static std::optional<T> Pop(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) return std::nullopt;
        if (!queue.front()) {
            queue.pop_front();
            return std::nullopt;
        }
        T value = std::move(*queue.front());
        queue.pop_front();
        return value;
    }
};

}  // namespace zofar::test
