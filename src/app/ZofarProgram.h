#pragma once

#include <memory>

#include "app/AppPaths.h"
#include "app/QtDocumentUi.h"
#include "store/CZOFDoc.h"

namespace zofar {

class CMainFrame;
class Clock;

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
    void Start();

    CZOFDoc& Doc() { return doc_; }
    QtDocumentUi& Ui() { return ui_; }
    CMainFrame& Frame() { return *frame_; }

private:
    // Destroyed in reverse: the window before the document it shows, the screen last.
    QtDocumentUi ui_;
    CZOFDoc doc_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace zofar
