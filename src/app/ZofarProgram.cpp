#include "app/ZofarProgram.h"

#include "app/CMainFrame.h"
#include "view/CZOFView.h"

namespace zofar {

ZofarProgram::ZofarProgram(const AppPaths& paths, const Clock& clock)
    : doc_(DocumentScreen::Of(ui_), clock, DocumentPaths{paths.settingsFile, paths.databaseFolder, paths.filterFile}),
      frame_(std::make_unique<CMainFrame>(doc_, clock, paths.helpFile)) {
    ui_.AttachFrame(frame_.get());
    // The list must be in place before Start: reopening the last database sends it the
    // updates that build its columns. The frame owns it.
    auto* view = new CZOFView(doc_);
    QObject::connect(view, &CZOFView::CommandRequested, frame_.get(), &CMainFrame::ExecuteCommandById);
    frame_->SetListView(view, view);
}

ZofarProgram::~ZofarProgram() = default;

void ZofarProgram::Start() {
    doc_.OnNewDocument();
    frame_->Activate();
}

}  // namespace zofar
