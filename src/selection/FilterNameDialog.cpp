#include "selection/FilterNameDialog.h"

#include <exception>
#include <limits>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "widgets/ZofarMessageBox.h"
#include "selection/PredefinedFilterDialogChecks.h"

namespace zofar {

FilterNameDialog::FilterNameDialog(FilterNameCheck check, QWidget* parent) : QDialog(parent), check_(std::move(check)) {
    setWindowTitle(QString::fromUtf8(PredefinedFilterDialogChecks::kNameCaption.data(),
                                     static_cast<qsizetype>(PredefinedFilterDialogChecks::kNameCaption.size())));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("nameEdit"));
    // The name has no limit of its own; the check refuses one its line cannot hold.
    edit_->setMaxLength(std::numeric_limits<int>::max());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FilterNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    resize(320, sizeHint().height());
    edit_->setFocus(Qt::OtherFocusReason);
}

std::optional<std::string> FilterNameDialog::Run(QWidget* parent, const FilterNameCheck& check) {
    FilterNameDialog dialog(check, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Name();
}

void FilterNameDialog::accept() {
    try {
        const std::string typed = edit_->text().toStdString();
        if (const auto problem = check_(typed)) {
            ZofarMessageBox::Show(this, *problem);
            edit_->setFocus(Qt::OtherFocusReason);
            return;
        }
        name_ = typed;
        QDialog::accept();
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
}

}  // namespace zofar
