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
#include "output/PageFit.h"
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

// The ticked lines' columns, left to right as they are printed.
std::vector<int> TickedColumns(const ColumnChoice& choice, const std::vector<bool>& checks) {
    std::vector<int> columns;
    for (size_t line = 0; line < choice.offered.size() && line < checks.size(); ++line) {
        const int position = choice.offered[line];
        if (checks[line] && position >= 0 && position < kFieldCount)
            columns.push_back(choice.positions[static_cast<size_t>(position)].column);
    }
    return columns;
}

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(const PrintChoices& choices, std::function<void(QWidget*)> setup,
                                       QWidget* parent)
    : QDialog(parent), held_(choices), shown_(choices), setup_(std::move(setup)) {
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
    fitNote_ = new QLabel(this);
    fitNote_->setObjectName(QStringLiteral("fitNote"));
    fitNote_->setWordWrap(true);
    fitNote_->setTextFormat(Qt::PlainText);
    fitNote_->hide();

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
    middle->addWidget(fitNote_);
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
        // Another paper or orientation holds other columns.
        UpdateFitNote();
    });
    for (QLineEdit* edit : {left_, right_, top_, bottom_, font_})
        connect(edit, &QLineEdit::textChanged, this, &PrintOptionsDialog::UpdateFitNote);
    connect(columns_, &QListWidget::itemChanged, this, &PrintOptionsDialog::UpdateFitNote);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<PrintRequest> PrintOptionsDialog::Run(QWidget* parent, const PrintChoices& choices,
                                                    std::function<void(QWidget*)> setup, PageMeasure measure) {
    PrintOptionsDialog dialog(choices, std::move(setup), parent);
    if (measure) dialog.SetPageMeasure(std::move(measure));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Request();
}

void PrintOptionsDialog::SetPageMeasure(PageMeasure measure) {
    measure_ = std::move(measure);
    UpdateFitNote();
}

void PrintOptionsDialog::UpdateFitNote() {
    if (!measure_) return;
    try {
        const auto read = [](const QLineEdit* edit, int low, int high, int& value) {
            const auto number = ReadDialogInteger(TextOf(edit));
            if (number && *number >= low && *number <= high) value = *number;
        };
        read(left_, kLowestBorder, kHighestBorder, shown_.borderLeft);
        read(right_, kLowestBorder, kHighestBorder, shown_.borderRight);
        read(top_, kLowestBorder, kHighestBorder, shown_.borderTop);
        read(bottom_, kLowestBorder, kHighestBorder, shown_.borderBottom);
        read(font_, kLowestFontHeight, kHighestFontHeight, shown_.fontHeight);
        PageInput page;
        page.printer = measure_(shown_.fontHeight);
        page.borderTop = shown_.borderTop;
        page.borderBottom = shown_.borderBottom;
        page.borderLeft = shown_.borderLeft;
        page.borderRight = shown_.borderRight;
        page.fontHeight = shown_.fontHeight;
        const std::string text =
            ColumnsBeyondPageText(ColumnsBeyondPage(page, TickedColumns(held_.columns, columns_->Checks())));
        fitNote_->setText(QString::fromStdString(text));
        fitNote_->setVisible(!text.empty());
    } catch (const std::exception& e) {
        fitNote_->setText(QString::fromUtf8(e.what()));
        fitNote_->setVisible(true);
    }
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
