#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include "output/OutputDialogs.h"
#include "output/PrintOptionsChecks.h"

class QButtonGroup;
class QLineEdit;

namespace zofar {

class ColumnCheckList;

/// "ZOFAR  Print": which records, the borders and the font height, which columns; then Print,
/// Preview, the printer setup or Cancel.
class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    /// `setup` runs for the Setup button, with the dialog as the parent of what it opens.
    PrintOptionsDialog(const PrintChoices& choices, std::function<void(QWidget*)> setup, QWidget* parent = nullptr);

    /// Runs the dialog; the button and the values on Print or Preview, nothing on Cancel.
    static std::optional<PrintRequest> Run(QWidget* parent, const PrintChoices& choices,
                                           std::function<void(QWidget*)> setup);

    /// After Print or Preview whose checks passed: the button and the values.
    const std::optional<PrintRequest>& Request() const { return request_; }

private:
    void OnEnd(PrintAction action);
    QLineEdit* Field(PrintOptionField field) const;

    PrintChoices held_;
    std::function<void(QWidget*)> setup_;
    std::optional<PrintRequest> request_;
    QButtonGroup* scope_ = nullptr;
    QLineEdit* top_ = nullptr;
    QLineEdit* bottom_ = nullptr;
    QLineEdit* left_ = nullptr;
    QLineEdit* right_ = nullptr;
    QLineEdit* font_ = nullptr;
    ColumnCheckList* columns_ = nullptr;
};

}  // namespace zofar
