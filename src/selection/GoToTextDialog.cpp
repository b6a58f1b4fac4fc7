#include "selection/GoToTextDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>

#include "widgets/ZofarMessageBox.h"
#include "selection/GoToDialogChecks.h"

namespace zofar {

GoToTextDialog::GoToTextDialog(const std::string& label, GoToMode mode, QWidget* parent)
    : QDialog(parent), mode_(mode) {
    setWindowTitle(QStringLiteral("ZOFAR  Go to ") + QString::fromStdString(label));
    auto* prompt = new QLabel(QStringLiteral("Search String:"), this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("searchText"));
    edit_->setMaxLength(static_cast<int>(kGoToTextLimit));
    prompt->setBuddy(edit_);
    auto* wildcard = new QLabel(QStringLiteral("( \" * \" may be used as a wildcard )"), this);

    substringRadio_ = new QRadioButton(QStringLiteral("Substring"), this);
    exactRadio_ = new QRadioButton(QStringLiteral("Exact match"), this);
    auto* radios = new QButtonGroup(this);
    radios->addButton(substringRadio_);
    radios->addButton(exactRadio_);
    substringRadio_->setChecked(true);
    const bool choice = mode == GoToMode::Choice;
    substringRadio_->setVisible(choice);
    exactRadio_->setVisible(choice);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToTextDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* editRow = new QHBoxLayout;
    editRow->addWidget(prompt);
    editRow->addWidget(edit_);
    auto* radioRow = new QHBoxLayout;
    radioRow->addWidget(substringRadio_);
    radioRow->addWidget(exactRadio_);
    radioRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editRow);
    layout->addWidget(wildcard);
    layout->addLayout(radioRow);
    layout->addWidget(buttons);
    edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * 30);
}

std::optional<GoToTextEntry> GoToTextDialog::Run(QWidget* parent, const std::string& label, GoToMode mode) {
    GoToTextDialog dialog(label, mode, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Entry();
}

GoToTextEntry GoToTextDialog::Entry() const {
    return {edit_->text().toStdString(), mode_ == GoToMode::Choice && exactRadio_->isChecked()};
}

void GoToTextDialog::accept() {
    try {
        const std::string problem = CheckGoToText(edit_->text().toStdString());
        if (!problem.empty()) {
            ZofarMessageBox::Show(this, problem);
            edit_->setFocus(Qt::OtherFocusReason);
            return;
        }
        QDialog::accept();
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
}

}  // namespace zofar
