#include "export/ExportDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

#include "widgets/ZofarMessageBox.h"
#include "export/ExportChecks.h"
#include "output/ColumnCheckList.h"

namespace zofar {
namespace {

struct Radio {
    const char* text;
    const char* objectName;
};

constexpr std::array<Radio, kExportFormatCount> kFormatRadios{{
    {"&CSV", "csvRadio"},
    {"&gqrx bookmarks", "gqrxRadio"},
    {"&SDR++ frequency list", "sdrppRadio"},
}};

constexpr std::array<Radio, 3> kScopeRadios{{
    {"Se&lected record", "selectedRecordRadio"},
    {"Records on the scr&een", "screenRecordsRadio"},
    {"&All records", "allRecordsRadio"},
}};

constexpr std::array<const char*, kExportFormatCount> kFileFilters{
    "CSV files (*.csv)",
    "gqrx bookmarks (bookmarks.csv)",
    "SDR++ frequency lists (*.json)",
};

QButtonGroup* RadioGroup(QDialog* dialog, QGroupBox* box, const Radio* radios, std::size_t count, int checked) {
    auto* group = new QButtonGroup(dialog);
    auto* layout = new QVBoxLayout(box);
    for (std::size_t i = 0; i < count; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(radios[i].text), box);
        radio->setObjectName(QString::fromUtf8(radios[i].objectName));
        group->addButton(radio, static_cast<int>(i));
        layout->addWidget(radio);
    }
    if (QAbstractButton* radio = group->button(checked)) radio->setChecked(true);
    return group;
}

QString Shown(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string Bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

ExportDialog::ExportDialog(const ExportChoices& choices, QWidget* parent) : QDialog(parent), held_(choices) {
    setWindowTitle(QStringLiteral("Export"));
    chooser_ = [this](const QString& title, const QString& current, const QString& filter, bool confirm) {
        return QFileDialog::getSaveFileName(this, title, current, filter, nullptr,
                                            confirm ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    };
    shownFormat_ = static_cast<int>(choices.format);

    auto* formatBox = new QGroupBox(QStringLiteral("Format"), this);
    format_ = RadioGroup(this, formatBox, kFormatRadios.data(), kFormatRadios.size(), shownFormat_);
    auto* scopeBox = new QGroupBox(QStringLiteral("Records"), this);
    scope_ = RadioGroup(this, scopeBox, kScopeRadios.data(), kScopeRadios.size(), choices.scopeIndex);
    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(formatBox);
    choiceRow->addWidget(scopeBox);

    auto* columnsLabel = new QLabel(QStringLiteral("C&olumns to be included :"), this);
    columns_ = new ColumnCheckList(choices.columns, choices.checks, this);
    columns_->setObjectName(QStringLiteral("columnList"));
    columnsLabel->setBuddy(columns_);

    auto* fileLabel = new QLabel(QStringLiteral("&File:"), this);
    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("fileEdit"));
    file_->setMinimumWidth(360);
    fileLabel->setBuddy(file_);
    browse_ = new QPushButton(QStringLiteral("&Browse..."), this);
    browse_->setObjectName(QStringLiteral("browseButton"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse_);

    merge_ = new QCheckBox(QStringLiteral("&Merge into the existing bookmarks"), this);
    merge_->setObjectName(QStringLiteral("mergeBox"));
    merge_->setChecked(choices.merge);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));

    auto* page = new QVBoxLayout(this);
    page->addLayout(choiceRow);
    page->addWidget(columnsLabel);
    page->addWidget(columns_, 1);
    page->addLayout(fileRow);
    page->addWidget(merge_);
    page->addWidget(buttons);

    ShowFormat(shownFormat_);
    connect(format_, &QButtonGroup::idClicked, this, &ExportDialog::ShowFormat);
    connect(browse_, &QPushButton::clicked, this, &ExportDialog::ChooseFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ExportDialog::ShowFormat(int format) {
    if (format < 0 || format >= kExportFormatCount) return;
    // The file typed for the format shown so far stays with that format.
    if (format != shownFormat_) held_.paths[static_cast<std::size_t>(shownFormat_)] = Bytes(file_->text());
    shownFormat_ = format;
    file_->setText(Shown(held_.paths[static_cast<std::size_t>(format)]));
    columns_->setEnabled(format == static_cast<int>(ExportFormat::Csv));
    merge_->setEnabled(format == static_cast<int>(ExportFormat::Gqrx));
}

void ExportDialog::ChooseFile() {
    // Merging writes into the file that is there, which needs no warning about replacing it.
    const bool confirm = !(shownFormat_ == static_cast<int>(ExportFormat::Gqrx) && merge_->isChecked());
    const QString path = chooser_(QStringLiteral("Export to"), file_->text(),
                                  QString::fromUtf8(kFileFilters[static_cast<std::size_t>(shownFormat_)]), confirm);
    if (!path.isEmpty()) file_->setText(path);
}

ExportChoices ExportDialog::Choices() const {
    ExportChoices shown = held_;
    shown.format = static_cast<ExportFormat>(shownFormat_);
    if (scope_->checkedId() >= 0) shown.scopeIndex = scope_->checkedId();
    shown.checks = columns_->Checks();
    shown.paths[static_cast<std::size_t>(shownFormat_)] = Bytes(file_->text());
    shown.merge = merge_->isChecked();
    return shown;
}

void ExportDialog::accept() {
    const ExportChoices shown = Choices();
    if (const auto problem = CheckExportChoices(shown)) {
        ZofarMessageBox::Show(this, problem->message);
        if (problem->focus == ExportField::Columns) {
            columns_->setFocus();
        } else {
            file_->setFocus();
        }
        return;
    }
    QDialog::accept();
}

std::optional<ExportChoices> ExportDialog::Run(QWidget* parent, const ExportChoices& choices) {
    ExportDialog dialog(choices, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choices();
}

}  // namespace zofar
