#include <QByteArray>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/CMainFrame.h"
#include "app/CZOFApp.h"
#include "app/ZofarProgram.h"

namespace {

// For the end-to-end test only: after the given time the window is closed as a user would
// close it, and the quit question is answered Yes, so the whole quit sequence runs.
void ScheduleAutoQuit(zofar::CMainFrame& frame) {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("ZOFAR_AUTOQUIT_MS", &ok);
    if (!ok || ms < 0) return;
    QTimer::singleShot(ms, &frame, [&frame] {
        QTimer::singleShot(200, &frame, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (QAbstractButton* yes = box->button(QMessageBox::Yes)) yes->click();
            }
        });
        frame.close();
    });
}

}  // namespace

int main(int argc, char** argv) {
    zofar::CZOFApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    ScheduleAutoQuit(app.Program()->Frame());
    return zofar::CZOFApp::exec();
}
