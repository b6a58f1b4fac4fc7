#include "app/ZofarProgram.h"

#include <QCoreApplication>

#include "app/CMainFrame.h"
#include "app/FirstStart.h"
#include "app/ScheduleDocks.h"
#include "receiver/LinkEndpoint.h"
#include "app/RigControl.h"
#include "view/CZOFView.h"

namespace zofar {

ZofarProgram::ZofarProgram(const AppPaths& paths, const Clock& clock)
    : paths_(paths),
      doc_(DocumentScreen::Of(ui_), clock, DocumentPaths{paths.settingsFile, paths.databaseFolder, paths.filterFile}),
      frame_(std::make_unique<CMainFrame>(doc_, clock, paths.helpFile)) {
    ui_.AttachFrame(frame_.get());
    // The list must be in place before Start: reopening the last database sends it the
    // updates that build its columns. The frame owns it.
    auto* view = new CZOFView(doc_);
    QObject::connect(view, &CZOFView::CommandRequested, frame_.get(), &CMainFrame::ExecuteCommandById);
    // The view's header click runs this inside its own guard, which catches what the sort throws.
    QObject::connect(view, &CZOFView::SortRequested, frame_.get(),
                     [this](const QString& key) { doc_.SortBy(key.toStdString()); });
    frame_->SetListView(view, view);
    doc_.AddView(*view);
    view_ = view;
    docks_ = std::make_unique<ScheduleDocks>(doc_, *frame_, paths.settingsFile);
    // The bridge is installed beside the program, in the build folder as in an installation.
    rig_ = std::make_unique<RigControl>(
        *frame_, paths.settingsFile, [this] { return doc_.Settings().applicationName; },
        QCoreApplication::applicationDirPath() + QStringLiteral("/zofar-rig"));
}

ZofarProgram::~ZofarProgram() {
    docks_.reset();
    if (view_) doc_.RemoveView(*view_);
}

void ZofarProgram::Start() {
    // Judged before anything of this run is written; the sample is imported once the window is
    // up, so its progress window stands over it as Create's does.
    const bool firstStart = !paths_.sampleList.empty() && IsFirstStart(paths_.settingsFile, paths_.databaseFolder);
    // A remembered database that cannot be opened is reported over the window, not before it.
    ui_.HoldMessages(true);
    doc_.OnNewDocument();
    frame_->Activate();
    ui_.HoldMessages(false);
    if (firstStart) {
        doc_.CreateDatabase(SampleDatabaseRequest(paths_.sampleList));
        // The sample is invented; a real schedule is one command away.
        if (doc_.IsOpen() && doc_.DatabaseName() == kSampleDatabaseName)
            frame_->ShowStatusMessage(std::string(kSampleStatusText));
    } else {
        doc_.NoteNewerSeason();
    }
}

void ZofarProgram::StartRig() { rig_->StartWithProgram(); }

void ZofarProgram::StartLink(const LinkFolderResult& link) {
    constexpr const char* kNoReports = " Frequency reports of the receiver program are not received.";
    if (link.folder.empty()) {
        frame_->ShowStatusMessage(link.error + kNoReports);
        return;
    }
    ui_.SetLinkFolder(link.folder);
    auto endpoint = std::make_unique<LinkEndpoint>(
        [this](const LinkFrame& frame) { doc_.OnReceiverData(frame.dwData, frame.data); });
    const LinkOpenResult opened = endpoint->Open(link.folder);
    switch (opened.status) {
    case LinkOpenStatus::Listening: endpoint_ = std::move(endpoint); break;
    case LinkOpenStatus::Taken:
        frame_->ShowStatusMessage(
            "Another ZOFAR is running: it receives the frequency reports of the receiver program.");
        break;
    case LinkOpenStatus::Failed: frame_->ShowStatusMessage(opened.message + kNoReports); break;
    }
}

}  // namespace zofar
