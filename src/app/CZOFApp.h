#pragma once

#include <QApplication>

namespace zofar {

/// The application object: owns the one document and the main window for the program's run.
class CZOFApp : public QApplication {
    Q_OBJECT
public:
    CZOFApp(int& argc, char** argv);
};

}  // namespace zofar
