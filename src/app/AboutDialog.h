#pragma once

#include <QDialog>

namespace zofar {

/// "About ZOFAR": the program icon, the label "ZOFAR Program Database Version" with the
/// program version beside it, and OK.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace zofar
