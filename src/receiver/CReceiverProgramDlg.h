#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;

namespace zofar {

/// "ZOFAR  Receiver Control Program": the name by which the receiver control program is found
/// on the link. The text is taken as it stands, empty included.
class CReceiverProgramDlg : public QDialog {
    Q_OBJECT
public:
    explicit CReceiverProgramDlg(const std::string& name, QWidget* parent = nullptr);

    /// Runs the dialog; the edit's text on OK, nothing on Cancel or close.
    static std::optional<std::string> Run(QWidget* parent, const std::string& name);

    std::string Name() const;
    QLineEdit* Edit() const { return edit_; }

private:
    QLineEdit* edit_ = nullptr;
};

}  // namespace zofar
