#include "selection/FilterDialog.h"

#include <exception>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zofar {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

std::string FromQt(const QString& text) { return text.toStdString(); }

uint32_t Flag(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

void ShowWarning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ZOFAR"), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

FilterDialog::FilterDialog(const FilterCriteria& criteria, bool filterOn, QWidget* parent)
    : QDialog(parent), held_(criteria) {
    setWindowTitle(QStringLiteral("ZOFAR  Filter"));
    BuildControls();
    // OK with the switch off changes no list, so the user is told why before pressing it.
    if (!filterOn) {
        auto* note =
            new QLabel(QString::fromUtf8(FilterDialogChecks::kFilterSwitchedOff.data(),
                                         static_cast<qsizetype>(FilterDialogChecks::kFilterSwitchedOff.size())),
                       this);
        note->setObjectName(QStringLiteral("switchedOffNote"));
        static_cast<QVBoxLayout*>(layout())->insertWidget(0, note);
    }
    Display(held_);
}

std::optional<FilterCriteria> FilterDialog::Run(QWidget* parent, const FilterCriteria& criteria, bool filterOn) {
    FilterDialog dialog(criteria, filterOn, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Criteria();
}

void FilterDialog::BuildControls() {
    auto* grid = new QGridLayout;
    int row = 0;
    std::vector<QWidget*> tabOrder;

    const auto addBox = [&](const char* label, const char* name) {
        auto* box = new QCheckBox(QString::fromUtf8(label), this);
        box->setObjectName(QString::fromUtf8(name));
        grid->addWidget(box, row, 0);
        tabOrder.push_back(box);
        return box;
    };
    const auto addEdit = [&](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(name));
        tabOrder.push_back(edit);
        return edit;
    };
    const auto addRange = [&](QLineEdit*& first, QLineEdit*& second, const char* firstName, const char* secondName) {
        first = addEdit(firstName);
        grid->addWidget(first, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("to"), this), row, 2, Qt::AlignCenter);
        second = addEdit(secondName);
        grid->addWidget(second, row, 3);
    };
    const auto addTextRow = [&](const char* label, const char* boxName, const char* editName,
                                uint32_t FilterCriteria::*flag, std::string FilterCriteria::*value) {
        QCheckBox* box = addBox(label, boxName);
        QLineEdit* edit = addEdit(editName);
        grid->addWidget(edit, row, 1, 1, 3);
        textRows_.push_back({box, edit, flag, value});
        ++row;
    };

    frequencyBox_ = addBox("&Frequency (KHz)", "frequencyBox");
    addRange(frequency1Edit_, frequency2Edit_, "frequency1Edit", "frequency2Edit");
    ++row;
    addTextRow("&Station [1,2]", "stationBox", "stationEdit", &FilterCriteria::BFStation, &FilterCriteria::FStation);
    addTextRow("St&n [1,2]", "stnBox", "stnEdit", &FilterCriteria::BFStn, &FilterCriteria::FStn);
    addTextRow("&Location [1,2]", "locationBox", "locationEdit", &FilterCriteria::BFLocation,
               &FilterCriteria::FLocation);
    addTextRow("Countr&y [1,2]", "countryBox", "countryEdit", &FilterCriteria::BFCountry, &FilterCriteria::FCountry);
    addTextRow("Country code (&ITU) [1]", "ituBox", "ituEdit", &FilterCriteria::BFItu, &FilterCriteria::FItu);
    addTextRow("L&ocation code (LC) [1]", "lcBox", "lcEdit", &FilterCriteria::BFLc, &FilterCriteria::FLc);
    addTextRow("&Target area [1,2]", "targetareaBox", "targetareaEdit", &FilterCriteria::BFTargetarea,
               &FilterCriteria::FTargetarea);
    addTextRow("Lan&guage [1,2]", "languageBox", "languageEdit", &FilterCriteria::BFLanguage,
               &FilterCriteria::FLanguage);
    addTextRow("Stat&us [1]", "statusBox", "statusEdit", &FilterCriteria::BFStatus, &FilterCriteria::FStatus);
    addTextRow("&Program structure (P) [1]", "pBox", "pEdit", &FilterCriteria::BFP, &FilterCriteria::FP);
    timeBox_ = addBox("Start ti&me (UTC)", "timeBox");
    addRange(startEdit_, endEdit_, "startEdit", "endEdit");
    ++row;
    addTextRow("&Days [1,2]", "dayBox", "dayEdit", &FilterCriteria::BFDay, &FilterCriteria::FDay);

    onairBox_ = addBox("Stations \"On Ai&r\" only", "onairBox");
    onairNowRadio_ = new QRadioButton(QStringLiteral("No&w"), this);
    onairNowRadio_->setObjectName(QStringLiteral("onairNowRadio"));
    onairAtRadio_ = new QRadioButton(QStringLiteral("&At :"), this);
    onairAtRadio_->setObjectName(QStringLiteral("onairAtRadio"));
    tabOrder.push_back(onairNowRadio_);
    tabOrder.push_back(onairAtRadio_);
    onairTimeEdit_ = addEdit("onairTimeEdit");
    auto* onairGroup = new QButtonGroup(this);
    onairGroup->addButton(onairNowRadio_);
    onairGroup->addButton(onairAtRadio_);
    auto* onairLine = new QHBoxLayout;
    onairLine->addWidget(onairNowRadio_);
    onairLine->addWidget(onairAtRadio_);
    onairLine->addWidget(onairTimeEdit_, 1);
    grid->addLayout(onairLine, row, 1, 1, 3);
    ++row;

    // The footnotes explain the [1] and [1,2] marks of the labels above.
    auto* notes = new QGridLayout;
    notes->addWidget(new QLabel(QStringLiteral("1:"), this), 0, 0);
    notes->addWidget(new QLabel(QStringLiteral("\"*\" may be used as a wildcard; \"|\" separates alternatives"), this),
                     0, 1);
    notes->addWidget(new QLabel(QStringLiteral("2:"), this), 1, 0);
    substringRadio_ = new QRadioButton(QStringLiteral("Su&bstring"), this);
    substringRadio_->setObjectName(QStringLiteral("substringRadio"));
    exactRadio_ = new QRadioButton(QStringLiteral("E&xact match"), this);
    exactRadio_->setObjectName(QStringLiteral("exactRadio"));
    tabOrder.push_back(substringRadio_);
    tabOrder.push_back(exactRadio_);
    auto* matchGroup = new QButtonGroup(this);
    matchGroup->addButton(substringRadio_);
    matchGroup->addButton(exactRadio_);
    auto* matchLine = new QHBoxLayout;
    matchLine->addWidget(substringRadio_);
    matchLine->addWidget(exactRadio_);
    matchLine->addStretch(1);
    notes->addLayout(matchLine, 1, 1);
    notes->setColumnStretch(1, 1);

    okButton_ = new QPushButton(QStringLiteral("O&K"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    clearButton_ = new QPushButton(QStringLiteral("Cl&ear"), this);
    clearButton_->setObjectName(QStringLiteral("clearButton"));
    tabOrder.push_back(okButton_);
    tabOrder.push_back(cancelButton_);
    tabOrder.push_back(clearButton_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(clearButton_);

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addSpacing(8);
    page->addLayout(notes);
    page->addSpacing(8);
    page->addLayout(buttons);

    for (size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(okButton_, &QPushButton::clicked, this, &FilterDialog::OnOk);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(clearButton_, &QPushButton::clicked, this, &FilterDialog::OnClear);
}

void FilterDialog::Display(const FilterCriteria& values) {
    // Only a flag of exactly 1 takes part in the condition, so only that shows as ticked.
    frequencyBox_->setChecked(values.BFFrequency == 1);
    frequency1Edit_->setText(ToQt(FilterDialogChecks::FormatFrequencyForEdit(values.FFrequency1)));
    frequency2Edit_->setText(ToQt(FilterDialogChecks::FormatFrequencyForEdit(values.FFrequency2)));
    for (const auto& r : textRows_) {
        r.box->setChecked(values.*r.flag == 1);
        r.edit->setText(ToQt(values.*r.value));
    }
    timeBox_->setChecked(values.BFTime == 1);
    startEdit_->setText(ToQt(values.FStart));
    endEdit_->setText(ToQt(values.FEnd));
    onairBox_->setChecked(values.BFOnair == 1);
    (values.BFOnairNow == 1 ? onairNowRadio_ : onairAtRadio_)->setChecked(true);
    onairTimeEdit_->setText(ToQt(values.FOnairTime));
    (values.BFExactMatch == 1 ? exactRadio_ : substringRadio_)->setChecked(true);
}

FilterDialogEntries FilterDialog::Entries() const {
    FilterDialogEntries entries;
    FilterCriteria& shown = entries.shown;
    shown.BFFrequency = Flag(frequencyBox_);
    entries.frequency1Text = FromQt(frequency1Edit_->text());
    entries.frequency2Text = FromQt(frequency2Edit_->text());
    for (const auto& r : textRows_) {
        shown.*r.flag = Flag(r.box);
        shown.*r.value = FromQt(r.edit->text());
    }
    shown.BFTime = Flag(timeBox_);
    shown.FStart = FromQt(startEdit_->text());
    shown.FEnd = FromQt(endEdit_->text());
    shown.BFOnair = Flag(onairBox_);
    shown.BFOnairNow = onairNowRadio_->isChecked() ? 1 : 0;
    shown.FOnairTime = FromQt(onairTimeEdit_->text());
    shown.BFExactMatch = exactRadio_->isChecked() ? 1 : 0;
    return entries;
}

QWidget* FilterDialog::FocusTarget(FilterDialogField field) const {
    switch (field) {
    case FilterDialogField::Frequency1: return frequency1Edit_;
    case FilterDialogField::Frequency2: return frequency2Edit_;
    case FilterDialogField::Start: return startEdit_;
    case FilterDialogField::End: return endEdit_;
    case FilterDialogField::OnairTime: return onairTimeEdit_;
    case FilterDialogField::None: return nullptr;
    case FilterDialogField::Station:
    case FilterDialogField::Stn:
    case FilterDialogField::Location:
    case FilterDialogField::Country:
    case FilterDialogField::Itu:
    case FilterDialogField::Lc:
    case FilterDialogField::Targetarea:
    case FilterDialogField::Language:
    case FilterDialogField::Status:
    case FilterDialogField::P:
    case FilterDialogField::Day: break;
    }
    // The text edits stand in textRows_ in the order of their fields.
    const auto index = static_cast<size_t>(field) - static_cast<size_t>(FilterDialogField::Station);
    return index < textRows_.size() ? textRows_[index].edit : nullptr;
}

void FilterDialog::OnOk() {
    try {
        const FilterDialogOutcome outcome = FilterDialogChecks::Check(Entries(), held_);
        held_ = outcome.values;
        if (outcome.accepted) {
            accept();
            return;
        }
        ShowWarning(this, ToQt(outcome.message));
        if (auto* edit = qobject_cast<QLineEdit*>(FocusTarget(outcome.focus))) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        }
    } catch (const std::exception& e) {
        ShowWarning(this, QString::fromUtf8(e.what()));
    }
}

void FilterDialog::OnClear() {
    try {
        held_.ClearCriterionFlags();
        Display(held_);
    } catch (const std::exception& e) {
        ShowWarning(this, QString::fromUtf8(e.what()));
    }
}

}  // namespace zofar
