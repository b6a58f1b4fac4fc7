#include "fetch/DownloadScheduleDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <utility>

#include "fetch/FetchVerdict.h"
#include "fetch/ScheduleSource.h"

namespace zofar {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

DownloadScheduleDialog::DownloadScheduleDialog(const FetchDialogInput& input, DownloadAction download, QWidget* parent)
    : QDialog(parent), download_(std::move(download)), folderOfSource_(input.folderOfSource) {
    setWindowTitle(QStringLiteral("ZOFAR  Download schedule"));
    source_ = new QComboBox(this);
    for (const auto& source : ScheduleSources()) source_->addItem(Text(std::string(source.label)));
    season_ = new QLineEdit(Text(input.choices.season), this);
    season_->setMaxLength(3);
    address_ = new QLineEdit(Text(input.choices.folderUrl), this);
    address_->setMinimumWidth(360);
    files_ = new QLabel(this);
    files_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 1);
    bar_->setValue(0);
    bytes_ = new QLabel(this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Source:"), source_);
    form->addRow(QStringLiteral("S&eason:"), season_);
    form->addRow(QStringLiteral("&Address:"), address_);
    form->addRow(QStringLiteral("Files:"), files_);

    auto* buttons = new QDialogButtonBox(this);
    downloadButton_ = buttons->addButton(QStringLiteral("&Download"), QDialogButtonBox::AcceptRole);
    cancelButton_ = buttons->addButton(QDialogButtonBox::Cancel);
    downloadButton_->setDefault(true);
    connect(downloadButton_, &QPushButton::clicked, this, &DownloadScheduleDialog::StartDownload);
    connect(cancelButton_, &QPushButton::clicked, this, &DownloadScheduleDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(bar_);
    layout->addWidget(bytes_);
    layout->addWidget(buttons);

    for (size_t i = 0; i < ScheduleSources().size(); ++i) {
        if (ScheduleSources()[i].name == input.choices.source) source_->setCurrentIndex(static_cast<int>(i));
    }
    connect(source_, &QComboBox::currentIndexChanged, this, &DownloadScheduleDialog::SourceChosen);
    connect(season_, &QLineEdit::textChanged, this, &DownloadScheduleDialog::ShowFiles);
    connect(address_, &QLineEdit::textChanged, this, &DownloadScheduleDialog::ShowFiles);
    ShowFiles();
}

void DownloadScheduleDialog::Run(QWidget* parent, const FetchDialogInput& input, const DownloadAction& download) {
    DownloadScheduleDialog dialog(input, download, parent);
    dialog.exec();
}

FetchChoices DownloadScheduleDialog::Choices() const {
    const int index = source_->currentIndex();
    const std::string name = index >= 0 ? std::string(ScheduleSources()[static_cast<size_t>(index)].name) : "";
    return {name, season_->text().trimmed().toStdString(), address_->text().trimmed().toStdString()};
}

void DownloadScheduleDialog::SourceChosen(int index) {
    if (index >= 0 && static_cast<size_t>(index) < folderOfSource_.size())
        address_->setText(Text(folderOfSource_[static_cast<size_t>(index)]));
    ShowFiles();
}

void DownloadScheduleDialog::ShowFiles() {
    const FetchChoices choices = Choices();
    const ScheduleSource* source = FindScheduleSource(choices.source);
    const auto season = ParseSeason(choices.season);
    QStringList urls;
    if (source && season) {
        for (const auto& name : SeasonFileNames(*source, *season))
            urls << Text(FileUrl(choices.folderUrl, *season, name));
    }
    files_->setText(urls.join(QLatin1Char('\n')));
    downloadButton_->setEnabled(!CheckFetchChoices(choices));
}

void DownloadScheduleDialog::Progress(const std::string& file, long long received, long long total) {
    // The bar counts kilobytes: a file of up to 50 MB fits an int either way.
    if (total > 0) {
        bar_->setRange(0, static_cast<int>(total / 1024) + 1);
        bar_->setValue(static_cast<int>(received / 1024));
    } else {
        bar_->setRange(0, 0);
    }
    bytes_->setText(Text(ProgressText(file, received, total)));
}

void DownloadScheduleDialog::StartDownload() {
    if (downloading_) return;
    downloading_ = true;
    cancelRequested_ = false;
    for (QWidget* w : {static_cast<QWidget*>(source_), static_cast<QWidget*>(season_), static_cast<QWidget*>(address_),
                       static_cast<QWidget*>(downloadButton_)})
        w->setEnabled(false);
    bool done = false;
    try {
        done = download_(Choices(), *this);
    } catch (const std::exception& e) {
        bytes_->setText(Text(std::string("The download failed: ") + e.what()));
    }
    downloading_ = false;
    for (QWidget* w : {static_cast<QWidget*>(source_), static_cast<QWidget*>(season_), static_cast<QWidget*>(address_)})
        w->setEnabled(true);
    ShowFiles();
    bar_->setRange(0, 1);
    bar_->setValue(done ? 1 : 0);
    if (done) accept();
}

void DownloadScheduleDialog::reject() {
    // During a download Cancel stops it; the dialog stays until the download has let go.
    if (downloading_) {
        cancelRequested_ = true;
        return;
    }
    QDialog::reject();
}

}  // namespace zofar
