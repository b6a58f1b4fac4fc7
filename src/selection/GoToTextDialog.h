#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "selection/SelectionDialogs.h"
#include "store/KeyColumns.h"

class QLineEdit;
class QRadioButton;

namespace zofar {

/// "ZOFAR  Go to " + label: the search text (at most 50 characters), the wildcard line and, in
/// choice mode only, "Substring" and "Exact match".
class GoToTextDialog : public QDialog {
    Q_OBJECT
public:
    GoToTextDialog(const std::string& label, GoToMode mode, QWidget* parent = nullptr);

    /// Runs the dialog; the text and the radio on OK, nothing on Cancel or close.
    static std::optional<GoToTextEntry> Run(QWidget* parent, const std::string& label, GoToMode mode);

    /// What the dialog holds now.
    GoToTextEntry Entry() const;
    QLineEdit* Edit() const { return edit_; }
    QRadioButton* SubstringRadio() const { return substringRadio_; }
    QRadioButton* ExactRadio() const { return exactRadio_; }

    void accept() override;

private:
    GoToMode mode_;
    QLineEdit* edit_ = nullptr;
    QRadioButton* substringRadio_ = nullptr;
    QRadioButton* exactRadio_ = nullptr;
};

}  // namespace zofar
