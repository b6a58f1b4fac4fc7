#include "selection/GoToFrequencyDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <exception>

#include "widgets/ZofarMessageBox.h"
#include "selection/GoToDialogChecks.h"

namespace zofar {

GoToFrequencyDialog::GoToFrequencyDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("ZOFAR  Go to Frequency"));
    auto* label = new QLabel(QStringLiteral("Frequency (KHz) :"), this);
    edit_ = new QLineEdit(QString::fromStdString(InitialGoToFrequencyText()), this);
    edit_->setObjectName(QStringLiteral("frequency"));
    label->setBuddy(edit_);
    edit_->selectAll();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToFrequencyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

std::optional<double> GoToFrequencyDialog::Run(QWidget* parent) {
    GoToFrequencyDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Frequency();
}

void GoToFrequencyDialog::accept() {
    try {
        const GoToFrequencyOutcome outcome = CheckGoToFrequency(edit_->text().toStdString());
        if (!outcome.accepted) {
            ZofarMessageBox::Show(this, outcome.message);
            edit_->setFocus(Qt::OtherFocusReason);
            edit_->selectAll();
            return;
        }
        kHz_ = outcome.kHz;
        QDialog::accept();
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
}

}  // namespace zofar
