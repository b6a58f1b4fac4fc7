#pragma once

#include <QDialog>

#include <optional>

#include "output/OutputDialogs.h"

class QButtonGroup;
class QCheckBox;

namespace zofar {

class ColumnCheckList;

/// "ZOFAR  Copy to the Clipboard": which records, which columns and which separator.
class ClipboardDialog : public QDialog {
    Q_OBJECT
public:
    explicit ClipboardDialog(const ClipboardChoices& choices, QWidget* parent = nullptr);

    /// Runs the dialog; the choices on OK, nothing on Cancel or close.
    static std::optional<ClipboardChoices> Run(QWidget* parent, const ClipboardChoices& choices);

    /// The choices the controls show now.
    ClipboardChoices Choices() const;

private:
    ClipboardChoices held_;
    QButtonGroup* scope_ = nullptr;
    ColumnCheckList* columns_ = nullptr;
    QCheckBox* tabs_ = nullptr;
};

}  // namespace zofar
