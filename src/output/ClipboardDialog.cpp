#include "output/ClipboardDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

#include "output/ColumnCheckList.h"
#include "output/RecordScopeTexts.h"
#include "widgets/CaptionWidth.h"

namespace zofar {

ClipboardDialog::ClipboardDialog(const ClipboardChoices& choices, QWidget* parent) : QDialog(parent), held_(choices) {
    setWindowTitle(QStringLiteral("ZOFAR  Copy to the Clipboard"));
    auto* page = new QVBoxLayout(this);

    scope_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(kRecordScopeTexts.size()); ++i) {
        const auto& scope = kRecordScopeTexts[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(QString::fromUtf8(scope.text), this);
        radio->setObjectName(QString::fromUtf8(scope.objectName));
        scope_->addButton(radio, i);
        page->addWidget(radio);
    }
    if (QAbstractButton* radio = scope_->button(choices.scopeIndex)) radio->setChecked(true);

    page->addWidget(new QLabel(QStringLiteral("Columns to be included :"), this));
    columns_ = new ColumnCheckList(choices.columns, choices.checks, this);
    columns_->setObjectName(QStringLiteral("columnList"));
    page->addWidget(columns_, 1);

    tabs_ = new QCheckBox(QStringLiteral("Use TAB as a column separator"), this);
    tabs_->setObjectName(QStringLiteral("tabBox"));
    tabs_->setChecked(choices.useTabs);
    page->addWidget(tabs_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    page->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // The dialog's controls alone would make it narrower than its caption.
    KeepCaptionWhole(*this);
}

std::optional<ClipboardChoices> ClipboardDialog::Run(QWidget* parent, const ClipboardChoices& choices) {
    ClipboardDialog dialog(choices, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choices();
}

ClipboardChoices ClipboardDialog::Choices() const {
    ClipboardChoices shown = held_;
    // With no radio checked the scope stays as the dialog was given it.
    if (scope_->checkedId() >= 0) shown.scopeIndex = scope_->checkedId();
    shown.useTabs = tabs_->isChecked();
    shown.checks = columns_->Checks();
    return shown;
}

}  // namespace zofar
