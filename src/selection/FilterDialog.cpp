#include "selection/FilterDialog.h"

#include <cctype>
#include <exception>
#include <string_view>

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

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQt(const QString& text) { return text.toStdString(); }

uint32_t Flag(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

// Controls are named after their settings keys: "BFStation" gives "stationBox", "FStation"
// "stationEdit".
QString ControlName(std::string_view key, std::string_view prefix, std::string_view suffix) {
    std::string name(key.substr(prefix.size()));
    if (!name.empty()) name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    name += suffix;
    return QString::fromStdString(name);
}

// The dialog edits a frequency as text, which its checks read.
std::string& FrequencyText(FilterDialogEntries& entries, FilterDialogField edit) {
    return edit == FilterDialogField::Frequency1 ? entries.frequency1Text : entries.frequency2Text;
}

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

    const auto addEdit = [&](const CriterionValue& value) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(ControlName(value.key, "F", "Edit"));
        tabOrder.push_back(edit);
        return edit;
    };

    for (const Criterion& criterion : CriterionTable()) {
        CriterionRow r{&criterion, new QCheckBox(ToQt(criterion.caption), this), {}};
        r.box->setObjectName(ControlName(criterion.flagKey, "BF", "Box"));
        grid->addWidget(r.box, row, 0);
        tabOrder.push_back(r.box);
        const CriterionValue& first = criterion.values[0];
        switch (criterion.match) {
        case CriterionMatch::FrequencyRange:
        case CriterionMatch::TimeRange:
            r.edits[0] = addEdit(first);
            grid->addWidget(r.edits[0], row, 1);
            grid->addWidget(new QLabel(QStringLiteral("to"), this), row, 2, Qt::AlignCenter);
            r.edits[1] = addEdit(criterion.values[1]);
            grid->addWidget(r.edits[1], row, 3);
            break;
        case CriterionMatch::FollowsSwitch:
        case CriterionMatch::AlwaysExact:
            r.edits[0] = addEdit(first);
            grid->addWidget(r.edits[0], row, 1, 1, 3);
            break;
        case CriterionMatch::OnAir: {
            onairNowRadio_ = new QRadioButton(QStringLiteral("No&w"), this);
            onairNowRadio_->setObjectName(QStringLiteral("onairNowRadio"));
            onairAtRadio_ = new QRadioButton(QStringLiteral("&At :"), this);
            onairAtRadio_->setObjectName(QStringLiteral("onairAtRadio"));
            tabOrder.push_back(onairNowRadio_);
            tabOrder.push_back(onairAtRadio_);
            r.edits[0] = addEdit(first);
            auto* onairGroup = new QButtonGroup(this);
            onairGroup->addButton(onairNowRadio_);
            onairGroup->addButton(onairAtRadio_);
            auto* onairLine = new QHBoxLayout;
            onairLine->addWidget(onairNowRadio_);
            onairLine->addWidget(onairAtRadio_);
            onairLine->addWidget(r.edits[0], 1);
            grid->addLayout(onairLine, row, 1, 1, 3);
            break;
        }
        }
        rows_.push_back(r);
        ++row;
    }

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
    for (const CriterionRow& r : rows_) {
        // Only a flag of exactly 1 takes part in the condition, so only that shows as ticked.
        r.box->setChecked(values.*r.criterion->flag == 1);
        for (std::size_t k = 0; k < r.criterion->Values().size(); ++k) {
            const CriterionValue& value = r.criterion->values[k];
            r.edits[k]->setText(value.number != nullptr
                                    ? ToQt(FilterDialogChecks::FormatFrequencyForEdit(values.*value.number))
                                    : ToQt(values.*value.text));
        }
    }
    (values.BFOnairNow == 1 ? onairNowRadio_ : onairAtRadio_)->setChecked(true);
    (values.BFExactMatch == 1 ? exactRadio_ : substringRadio_)->setChecked(true);
}

FilterDialogEntries FilterDialog::Entries() const {
    FilterDialogEntries entries;
    FilterCriteria& shown = entries.shown;
    for (const CriterionRow& r : rows_) {
        shown.*r.criterion->flag = Flag(r.box);
        for (std::size_t k = 0; k < r.criterion->Values().size(); ++k) {
            const CriterionValue& value = r.criterion->values[k];
            if (value.number != nullptr) {
                FrequencyText(entries, value.edit) = FromQt(r.edits[k]->text());
            } else {
                shown.*value.text = FromQt(r.edits[k]->text());
            }
        }
    }
    shown.BFOnairNow = onairNowRadio_->isChecked() ? 1 : 0;
    shown.BFExactMatch = exactRadio_->isChecked() ? 1 : 0;
    return entries;
}

QWidget* FilterDialog::FocusTarget(FilterDialogField field) const {
    for (const CriterionRow& r : rows_) {
        for (std::size_t k = 0; k < r.criterion->Values().size(); ++k) {
            if (r.criterion->values[k].edit == field) return r.edits[k];
        }
    }
    return nullptr;
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
