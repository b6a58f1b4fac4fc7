#include "app/QtDocumentUi.h"

#include "geo/LocationDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QPrinter>
#include <QTimer>

#include "app/CMainFrame.h"
#include "app/ImportProgressWindow.h"
#include "widgets/ZofarMessageBox.h"
#include "fetch/DownloadScheduleDialog.h"
#include "receiver/CReceiverProgramDlg.h"
#include "export/ExportDialog.h"
#include "output/ClipboardDialog.h"
#include "output/PagePainter.h"
#include "output/PrintOptionsDialog.h"
#include "selection/FilterDialog.h"
#include "selection/GoToFrequencyDialog.h"
#include "selection/GoToTextDialog.h"
#include "selection/ManagePredefinedFiltersDialog.h"
#include "selection/SelectPredefinedFilterDialog.h"
#include "import/CreateDatabaseDialog.h"
#include "store/SelectDatabaseDialog.h"

namespace zofar {

QtDocumentUi::~QtDocumentUi() {
    // A busy cursor left on by an interrupted operation must not outlive the document's screen.
    while (waitDepth_ > 0) SetWaitCursor(false);
}

void QtDocumentUi::AttachFrame(CMainFrame* frame) { frame_ = frame; }

ListPort* QtDocumentUi::List() const { return frame_ ? frame_->ListView() : nullptr; }

void QtDocumentUi::HoldMessages(bool on) {
    holding_ = on;
    if (on) return;
    auto held = std::move(held_);
    held_.clear();
    for (const auto& [text, icon] : held) ZofarMessageBox::Show(frame_, text, icon);
}

bool QtDocumentUi::Held(const std::string& text, QMessageBox::Icon icon) {
    if (holding_) held_.emplace_back(text, icon);
    return holding_;
}

void QtDocumentUi::ShowMessage(const std::string& text) {
    if (!Held(text, QMessageBox::Warning)) ZofarMessageBox::Show(frame_, text);
}

void QtDocumentUi::ShowStoreError(const std::string& text) {
    if (Held(text, QMessageBox::Warning)) return;
    ListPort* list = List();
    if (list && list->NoteStoreError()) {
        QPointer<CMainFrame> frame = frame_;
        QTimer::singleShot(0, frame_, [frame, text] { ZofarMessageBox::Show(frame, text, QMessageBox::Warning); });
        return;
    }
    ZofarMessageBox::Show(frame_, text, QMessageBox::Warning);
}

bool QtDocumentUi::AskYesNo(const std::string& text) { return ZofarMessageBox::Ask(frame_, text); }

bool QtDocumentUi::AskYesNoDefaultNo(const std::string& text) {
    return ZofarMessageBox::Ask(frame_, text, QMessageBox::No);
}

void QtDocumentUi::ShowStatusMessage(const std::string& text) {
    if (frame_) frame_->ShowStatusMessage(text);
}

void QtDocumentUi::SetWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++waitDepth_;
    } else if (waitDepth_ > 0) {
        // An unmatched "off" must not take away a cursor someone else set.
        QApplication::restoreOverrideCursor();
        --waitDepth_;
    }
}

void QtDocumentUi::SetMainTitle(const std::string& databaseName) {
    if (frame_) frame_->SetMainTitle(databaseName);
}

std::unique_ptr<ImportProgress> QtDocumentUi::OpenImportProgress(const std::string& caption) {
    return std::make_unique<ImportProgressWindow>(caption, frame_);
}

void QtDocumentUi::UpdateViews(ViewHint hint) {
    if (!frame_) return;
    if (ListPort* list = List()) list->UpdateViews(hint);
    frame_->RefreshStatus();
}

ListRows QtDocumentUi::GetListRows() {
    ListPort* list = List();
    return list ? list->GetListRows() : ListRows{};
}

std::optional<ColumnLayout> QtDocumentUi::CaptureColumnLayout() {
    ListPort* list = List();
    return list ? list->CaptureColumnLayout() : std::nullopt;
}

void QtDocumentUi::SetLiveUpdates(bool on) {
    if (ListPort* list = List()) list->SetLiveUpdates(on);
}

std::optional<std::string> QtDocumentUi::RunSelectDatabaseDialog(const std::string& caption,
                                                                 const std::vector<std::string>& names,
                                                                 const std::string& current) {
    SelectDatabaseDialog dialog(caption, names, current, frame_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedName();
}

std::optional<CreateDatabaseRequest> QtDocumentUi::RunCreateDatabaseDialog(const std::string& databaseFolder) {
    CreateDatabaseDialog dialog(databaseFolder, frame_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Request();
}

std::optional<FilterCriteria> QtDocumentUi::RunFilterDialog(const FilterCriteria& criteria, bool filterOn) {
    return FilterDialog::Run(frame_, criteria, filterOn);
}

std::optional<int> QtDocumentUi::RunSelectPredefinedFilterDialog(const std::vector<std::string>& names) {
    return SelectPredefinedFilterDialog::Run(frame_, names);
}

void QtDocumentUi::RunManagePredefinedFiltersDialog(PredefinedFilterManager& manager) {
    ManagePredefinedFiltersDialog dialog(manager, frame_);
    dialog.exec();
}

std::optional<double> QtDocumentUi::RunGoToFrequencyDialog() { return GoToFrequencyDialog::Run(frame_); }

std::optional<GoToTextEntry> QtDocumentUi::RunGoToTextDialog(const std::string& label, GoToMode mode) {
    return GoToTextDialog::Run(frame_, label, mode);
}

std::optional<std::string> QtDocumentUi::RunReceiverProgramDialog(const std::string& name) {
    return CReceiverProgramDlg::Run(frame_, name);
}

std::optional<LocationSetting> QtDocumentUi::RunLocationDialog(const LocationSetting& current) {
    LocationDialog dialog(current, frame_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Setting();
}

bool QtDocumentUi::Send(const std::string& receiverName, const LinkFrame& frame) {
    return link_.Send(receiverName, frame);
}

void QtDocumentUi::RunDownloadScheduleDialog(const FetchDialogInput& input, const DownloadAction& download) {
    DownloadScheduleDialog::Run(frame_, input, download);
}

HttpTransfer* QtDocumentUi::ScheduleTransfer() {
    if (!http_) http_ = std::make_unique<QtHttpTransfer>();
    return http_.get();
}

std::optional<ClipboardChoices> QtDocumentUi::RunClipboardDialog(const ClipboardChoices& choices) {
    return ClipboardDialog::Run(frame_, choices);
}

void QtDocumentUi::PutOnClipboard(const std::string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(QString::fromStdString(text));
}

std::optional<ExportChoices> QtDocumentUi::RunExportDialog(const ExportChoices& choices) {
    return ExportDialog::Run(frame_, choices);
}

std::optional<PrintRequest> QtDocumentUi::RunPrintDialog(const PrintChoices& choices) {
    return PrintOptionsDialog::Run(
        frame_, choices, [this](QWidget* parent) { printing_.Setup(parent); },
        [this](int fontHeight) { return PagePainter::PagedDeviceAnswers(printing_.Printer(), fontHeight); });
}

PrintRunResult QtDocumentUi::RunPrintJob(PrintAction action, const PrintJob& job) {
    return printing_.Run(frame_, action, job);
}

}  // namespace zofar
