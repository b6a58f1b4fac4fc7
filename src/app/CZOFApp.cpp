#include "app/CZOFApp.h"

namespace zofar {

CZOFApp::CZOFApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("ZOFAR"));
    setApplicationVersion(QStringLiteral("1.67"));
}

}  // namespace zofar
