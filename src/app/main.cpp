#include <QMainWindow>

#include "app/CZOFApp.h"

int main(int argc, char** argv) {
    zofar::CZOFApp app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" ZOFAR Program Database"));
    window.show();
    return zofar::CZOFApp::exec();
}
