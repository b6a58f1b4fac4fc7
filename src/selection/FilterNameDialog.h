#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "selection/PredefinedFilterPrompts.h"

class QLineEdit;

namespace zofar {

/// "ZOFAR  Enter Filter Name": one edit, opened empty with the focus in it. OK runs the check
/// and, when it refuses the name, shows its message and puts the focus back in the edit. The
/// name is taken as typed, without trimming.
class FilterNameDialog : public QDialog {
    Q_OBJECT

public:
    explicit FilterNameDialog(FilterNameCheck check, QWidget* parent = nullptr);

    /// Runs the dialog; the accepted name, nothing on Cancel or close.
    static std::optional<std::string> Run(QWidget* parent, const FilterNameCheck& check);

    /// The name once the dialog has been accepted.
    const std::string& Name() const { return name_; }
    QLineEdit* Edit() const { return edit_; }

    void accept() override;

private:
    FilterNameCheck check_;
    QLineEdit* edit_ = nullptr;
    std::string name_;
};

}  // namespace zofar
