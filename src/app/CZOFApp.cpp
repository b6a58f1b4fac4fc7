#include "app/CZOFApp.h"

#include "app/AppPaths.h"
#include "app/ZofarProgram.h"
#include "base/Version.h"
#include "receiver/LinkFolder.h"

namespace zofar {

CZOFApp::CZOFApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("ZOFAR"));
    setApplicationVersion(QString::fromLatin1(kProgramVersion.data(), static_cast<qsizetype>(kProgramVersion.size())));
    // Ties the window to its desktop entry, so the desktop shows the entry's name and icon for it.
    setDesktopFileName(QStringLiteral("io.github.zofar.Zofar"));
}

// The window holds references into the program; it goes before the application object does.
CZOFApp::~CZOFApp() { program_.reset(); }

bool CZOFApp::InitInstance() {
    std::string executable = CurrentExecutablePath();
    if (executable.empty()) executable = applicationFilePath().toStdString();
    if (executable.empty()) return false;
    program_ = std::make_unique<ZofarProgram>(ResolveAppPaths(executable, SystemEnvironment()), clock_);
    program_->Start();
    program_->StartLink(PrepareLinkFolder(SystemEnvironment()));
    program_->StartRig();
    return true;
}

}  // namespace zofar
