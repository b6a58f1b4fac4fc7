#include "receiver/CReceiverProgramDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zofar {

CReceiverProgramDlg::CReceiverProgramDlg(const std::string& name, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("ZOFAR  Receiver Control Program"));
    auto* label = new QLabel(QStringLiteral("Name of the receiver control program:"), this);
    edit_ = new QLineEdit(QString::fromStdString(name), this);
    edit_->setObjectName(QStringLiteral("receiverName"));
    label->setBuddy(edit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
}

std::optional<std::string> CReceiverProgramDlg::Run(QWidget* parent, const std::string& name) {
    CReceiverProgramDlg dialog(name, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Name();
}

std::string CReceiverProgramDlg::Name() const { return edit_->text().toStdString(); }

}  // namespace zofar
