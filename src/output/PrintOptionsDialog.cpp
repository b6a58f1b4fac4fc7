#include "output/PrintOptionsDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>
#include <utility>

#include "widgets/ZofarMessageBox.h"
#include "output/ColumnCheckList.h"
#include "output/RecordScopeTexts.h"

namespace zofar {

namespace {

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* NumberField(QFormLayout* form, const char* label, const char* name, int value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(QString::fromUtf8(name));
    form->addRow(QString::fromUtf8(label), edit);
    return edit;
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(const PrintChoices& choices, std::function<void(QWidget*)> setup,
                                       QWidget* parent)
    : QDialog(parent), held_(choices), setup_(std::move(setup)) {
    setWindowTitle(QStringLiteral("ZOFAR  Print"));

    auto* records = new QGroupBox(QStringLiteral("Records to be printed"), this);
    auto* recordsLayout = new QVBoxLayout(records);
    scope_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(kRecordScopeTexts.size()); ++i) {
        const auto& scope = kRecordScopeTexts[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(QString::fromUtf8(scope.text), records);
        radio->setObjectName(QString::fromUtf8(scope.objectName));
        scope_->addButton(radio, i);
        recordsLayout->addWidget(radio);
    }
    if (QAbstractButton* radio = scope_->button(choices.scopeIndex)) radio->setChecked(true);

    auto* parameters = new QGroupBox(QStringLiteral("Print parameters"), this);
    auto* form = new QFormLayout(parameters);
    top_ = NumberField(form, "Top border (mm) :", "borderTopEdit", choices.borderTop, parameters);
    bottom_ = NumberField(form, "Bottom border (mm) :", "borderBottomEdit", choices.borderBottom, parameters);
    left_ = NumberField(form, "Left border (mm) :", "borderLeftEdit", choices.borderLeft, parameters);
    right_ = NumberField(form, "Right border (mm) :", "borderRightEdit", choices.borderRight, parameters);
    font_ = NumberField(form, "Font height (pt) :", "fontHeightEdit", choices.fontHeight, parameters);

    columns_ = new ColumnCheckList(choices.columns, choices.checks, this);
    columns_->setObjectName(QStringLiteral("columnList"));

    QPushButton* preview = Button("Preview", "previewButton", this);
    QPushButton* print = Button("Print", "printButton", this);
    print->setDefault(true);
    QPushButton* setupButton = Button("Setup", "setupButton", this);
    QPushButton* cancel = Button("Cancel", "cancelButton", this);

    auto* left = new QVBoxLayout;
    left->addWidget(records);
    left->addWidget(parameters);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(new QLabel(QStringLiteral("Columns to be included :"), this));
    middle->addWidget(columns_, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {preview, print, setupButton, cancel}) buttons->addWidget(b);
    buttons->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addLayout(left);
    page->addLayout(middle, 1);
    page->addLayout(buttons);

    connect(preview, &QPushButton::clicked, this, [this] { OnEnd(PrintAction::Preview); });
    connect(print, &QPushButton::clicked, this, [this] { OnEnd(PrintAction::Print); });
    connect(setupButton, &QPushButton::clicked, this, [this] {
        if (setup_) setup_(this);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<PrintRequest> PrintOptionsDialog::Run(QWidget* parent, const PrintChoices& choices,
                                                    std::function<void(QWidget*)> setup) {
    PrintOptionsDialog dialog(choices, std::move(setup), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Request();
}

QLineEdit* PrintOptionsDialog::Field(PrintOptionField field) const {
    switch (field) {
    case PrintOptionField::BorderTop: return top_;
    case PrintOptionField::BorderBottom: return bottom_;
    case PrintOptionField::BorderLeft: return left_;
    case PrintOptionField::BorderRight: return right_;
    case PrintOptionField::FontHeight: return font_;
    case PrintOptionField::None: return nullptr;
    }
    return nullptr;
}

void PrintOptionsDialog::OnEnd(PrintAction action) {
    try {
        const PrintOptionsOutcome outcome =
            CheckPrintOptions({TextOf(top_), TextOf(bottom_), TextOf(left_), TextOf(right_), TextOf(font_)});
        if (!outcome.accepted) {
            ZofarMessageBox::Show(this, outcome.message);
            if (QLineEdit* edit = Field(outcome.focus)) {
                edit->setFocus(Qt::OtherFocusReason);
                edit->selectAll();
            }
            return;
        }
        PrintRequest request{action, held_};
        PrintChoices& chosen = request.choices;
        if (scope_->checkedId() >= 0) chosen.scopeIndex = scope_->checkedId();
        chosen.borderTop = outcome.borderTop;
        chosen.borderBottom = outcome.borderBottom;
        chosen.borderLeft = outcome.borderLeft;
        chosen.borderRight = outcome.borderRight;
        chosen.fontHeight = outcome.fontHeight;
        chosen.checks = columns_->Checks();
        request_ = std::move(request);
        accept();
    } catch (const std::exception& e) {
        ZofarMessageBox::Show(this, e.what());
    }
}

}  // namespace zofar
