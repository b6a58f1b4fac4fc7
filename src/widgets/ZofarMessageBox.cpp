#include "widgets/ZofarMessageBox.h"

namespace zofar {

namespace {

// Plain text, so a station name or file name holding '<' shows as typed.
void Prepare(QMessageBox& box, const std::string& text, QMessageBox::Icon icon) {
    box.setWindowTitle(QStringLiteral("ZOFAR"));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setIcon(icon);
}

}  // namespace

void ZofarMessageBox::Show(QWidget* parent, const std::string& text, QMessageBox::Icon icon) {
    QMessageBox box(parent);
    Prepare(box, text, icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool ZofarMessageBox::Ask(QWidget* parent, const std::string& text, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(parent);
    Prepare(box, text, QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultButton);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace zofar
