#pragma once

#include <QPointer>

#include <memory>

#include "app/AppPaths.h"
#include "app/QtDocumentUi.h"
#include "receiver/LinkFolder.h"
#include "document/CZOFDoc.h"

namespace zofar {

class CZOFView;
class ScheduleDocks;

class CMainFrame;
class Clock;
class LinkEndpoint;
class RigControl;

/// The program's objects for one run, built in their start-up order: the document's screen,
/// the document, the main window. Given the paths and the clock, so tests build the real
/// program around a temporary folder and a fixed time.
class ZofarProgram {
public:
    /// `clock` must outlive the program.
    ZofarProgram(const AppPaths& paths, const Clock& clock);
    ~ZofarProgram();
    ZofarProgram(const ZofarProgram&) = delete;
    ZofarProgram& operator=(const ZofarProgram&) = delete;

    /// Loads the settings, reopens the last database, then shows the window where it was left.
    /// On the first start (no settings file, no database) it then imports the bundled sample
    /// list as "SAMPLE" with Create's progress window and opens it.
    void Start();
    /// Joins the receiver link in `link`'s folder: Tune and Find/Create station reach the
    /// programs there, and frequency reports sent to "ZOFAR" move the list. When the folder is
    /// unusable or another ZOFAR already listens, the status bar says so once and the program
    /// runs without incoming reports.
    void StartLink(const LinkFolderResult& link);
    /// Connects to the rig when the rig connection's settings ask for it at start-up; after
    /// StartLink, so the bridge's first reports find the link open.
    void StartRig();

    CZOFDoc& Doc() { return doc_; }
    QtDocumentUi& Ui() { return ui_; }
    CMainFrame& Frame() { return *frame_; }
    ScheduleDocks& Docks() { return *docks_; }
    /// The incoming side of the link; null before StartLink or when it could not listen.
    LinkEndpoint* Endpoint() { return endpoint_.get(); }
    RigControl& Rig() { return *rig_; }

private:
    // Destroyed in reverse: the link before the document it feeds, the rig connection (and
    // with it the bridge) before the window it shows in, the window before the document it
    // shows, the screen last.
    AppPaths paths_;
    QtDocumentUi ui_;
    CZOFDoc doc_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<RigControl> rig_;
    std::unique_ptr<LinkEndpoint> endpoint_;
    /// The list, owned by the frame; registered with the document as one of its views.
    QPointer<CZOFView> view_;
    /// The band chart and the coming-up list beside it.
    std::unique_ptr<ScheduleDocks> docks_;
};

}  // namespace zofar
