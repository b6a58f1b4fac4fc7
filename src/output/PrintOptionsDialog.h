#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include "output/OutputDialogs.h"
#include "output/PrintOptionsChecks.h"

class QButtonGroup;
class QLabel;
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

    /// What the printer in use says of its printable area for a font height in points.
    using PageMeasure = std::function<PageInput::Printer(int fontHeight)>;

    /// Runs the dialog; the button and the values on Print or Preview, nothing on Cancel.
    /// With `measure` the dialog says which ticked columns do not fit on the page.
    static std::optional<PrintRequest> Run(QWidget* parent, const PrintChoices& choices,
                                           std::function<void(QWidget*)> setup, PageMeasure measure = {});

    /// Measures the page with `measure` from now on, and says at once what does not fit.
    void SetPageMeasure(PageMeasure measure);
    /// The line under the columns naming the ticked columns that do not fit on the page.
    QLabel* FitNote() const { return fitNote_; }

    /// After Print or Preview whose checks passed: the button and the values.
    const std::optional<PrintRequest>& Request() const { return request_; }

private:
    void OnEnd(PrintAction action);
    /// Lays out the ticked columns on the page as the fields now say and names those that
    /// do not fit; fields that do not read as numbers in range count with their last values.
    void UpdateFitNote();
    QLineEdit* Field(PrintOptionField field) const;

    PrintChoices held_;
    PrintChoices shown_;  ///< the numbers the fit note was last worked out with
    std::function<void(QWidget*)> setup_;
    std::optional<PrintRequest> request_;
    QButtonGroup* scope_ = nullptr;
    QLineEdit* top_ = nullptr;
    QLineEdit* bottom_ = nullptr;
    QLineEdit* left_ = nullptr;
    QLineEdit* right_ = nullptr;
    QLineEdit* font_ = nullptr;
    ColumnCheckList* columns_ = nullptr;
    QLabel* fitNote_ = nullptr;
    PageMeasure measure_;
};

}  // namespace zofar
