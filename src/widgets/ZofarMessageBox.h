#pragma once

#include <QMessageBox>

#include <string>

namespace zofar {

/// The program's message boxes: captioned "ZOFAR", plain text (a "\n" starts the line that
/// tells the user what to do), modal to `parent` (may be null).
class ZofarMessageBox {
public:
    /// OK button with the given icon.
    static void Show(QWidget* parent, const std::string& text, QMessageBox::Icon icon = QMessageBox::Warning);
    /// Yes and No with the question icon, `defaultButton` taking Enter; true only for Yes
    /// (closing the box counts as No).
    static bool Ask(QWidget* parent, const std::string& text,
                    QMessageBox::StandardButton defaultButton = QMessageBox::Yes);
};

}  // namespace zofar
