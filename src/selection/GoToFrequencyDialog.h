#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace zofar {

/// "ZOFAR  Go to Frequency": one number edit in kHz that opens at 0; OK closes the dialog only
/// once the number passes its check.
class GoToFrequencyDialog : public QDialog {
    Q_OBJECT
public:
    explicit GoToFrequencyDialog(QWidget* parent = nullptr);

    /// Runs the dialog; the frequency in kHz on OK, nothing on Cancel or close.
    static std::optional<double> Run(QWidget* parent);

    /// The frequency once the dialog has been accepted, in kHz.
    double Frequency() const { return kHz_; }
    QLineEdit* Edit() const { return edit_; }

    void accept() override;

private:
    QLineEdit* edit_ = nullptr;
    double kHz_ = 0.0;
};

}  // namespace zofar
