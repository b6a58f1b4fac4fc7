#pragma once

#include <QApplication>

#include <memory>

#include "base/Clock.h"

namespace zofar {

class ZofarProgram;

/// The application object: owns the clock, the one document and the main window for the
/// program's run.
class CZOFApp : public QApplication {
    Q_OBJECT
public:
    CZOFApp(int& argc, char** argv);
    ~CZOFApp() override;

    /// Builds the document and the main window for the running executable and shows the window.
    /// False when the program cannot start.
    bool InitInstance();

    /// The running program; null before InitInstance.
    ZofarProgram* Program() const { return program_.get(); }

private:
    SystemClock clock_;
    std::unique_ptr<ZofarProgram> program_;
};

}  // namespace zofar
