#include "app/CZOFApp.h"

int main(int argc, char** argv) {
    zofar::CZOFApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return zofar::CZOFApp::exec();
}
