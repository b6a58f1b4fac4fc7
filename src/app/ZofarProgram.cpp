#include "app/ZofarProgram.h"

#include "app/CMainFrame.h"

namespace zofar {

ZofarProgram::ZofarProgram(const AppPaths& paths, const Clock& clock)
    : doc_(ui_, clock, DocumentPaths{paths.settingsFile, paths.databaseFolder}),
      frame_(std::make_unique<CMainFrame>(doc_, clock, paths.helpFile)) {
    ui_.AttachFrame(frame_.get());
}

ZofarProgram::~ZofarProgram() = default;

void ZofarProgram::Start() {
    doc_.OnNewDocument();
    frame_->Activate();
}

}  // namespace zofar
