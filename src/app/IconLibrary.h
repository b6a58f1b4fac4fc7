#pragma once

#include <QIcon>
#include <QString>

namespace zofar {

/// The program's own icons, drawn as SVG and compiled into the program.
class IconLibrary {
public:
    /// The icon `name` (file name without ".svg" under res/icons); a null icon when unknown.
    static QIcon Icon(const QString& name);
    /// The program icon.
    static QIcon ProgramIcon() { return Icon(QStringLiteral("zofar")); }
};

}  // namespace zofar
