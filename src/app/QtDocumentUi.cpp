#include "app/QtDocumentUi.h"

#include <QApplication>
#include <QCursor>

#include "app/CMainFrame.h"
#include "app/ImportProgressWindow.h"
#include "app/ListViewPort.h"
#include "app/ZofarMessageBox.h"
#include "selection/FilterDialog.h"
#include "store/CreateDatabaseDialog.h"
#include "store/SelectDatabaseDialog.h"

namespace zofar {

QtDocumentUi::~QtDocumentUi() {
    // A busy cursor left on by an interrupted operation must not outlive the document's screen.
    while (waitDepth_ > 0) SetWaitCursor(false);
}

void QtDocumentUi::AttachFrame(CMainFrame* frame) { frame_ = frame; }

void QtDocumentUi::ShowMessage(const std::string& text) { ZofarMessageBox::Show(frame_, text); }

void QtDocumentUi::ShowStoreError(const std::string& text) {
    if (ListViewPort* view = frame_ ? frame_->ListView() : nullptr) view->NoteStoreError();
    ZofarMessageBox::Show(frame_, text, QMessageBox::Warning);
}

bool QtDocumentUi::AskYesNo(const std::string& text) { return ZofarMessageBox::Ask(frame_, text); }

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

void QtDocumentUi::UpdateViews(ViewHint hint) {
    if (!frame_) return;
    if (ListViewPort* view = frame_->ListView()) view->OnUpdate(hint);
    frame_->RefreshStatus();
}

ListRows QtDocumentUi::GetListRows() {
    ListViewPort* view = frame_ ? frame_->ListView() : nullptr;
    return view ? view->GetListRows() : ListRows{};
}

std::optional<ColumnLayout> QtDocumentUi::CaptureColumnLayout() {
    ListViewPort* view = frame_ ? frame_->ListView() : nullptr;
    return view ? view->CaptureColumnLayout() : std::nullopt;
}

std::optional<std::string> QtDocumentUi::RunSelectDatabaseDialog(const std::string& caption,
                                                                 const std::vector<std::string>& names) {
    SelectDatabaseDialog dialog(caption, names, frame_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedName();
}

std::optional<CreateDatabaseRequest> QtDocumentUi::RunCreateDatabaseDialog(const std::string& databaseFolder) {
    CreateDatabaseDialog dialog(databaseFolder, frame_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Request();
}

std::optional<FilterCriteria> QtDocumentUi::RunFilterDialog(const FilterCriteria& criteria) {
    return FilterDialog::Run(frame_, criteria);
}

std::unique_ptr<ImportProgress> QtDocumentUi::OpenImportProgress(const std::string& caption) {
    return std::make_unique<ImportProgressWindow>(caption, frame_);
}

}  // namespace zofar
