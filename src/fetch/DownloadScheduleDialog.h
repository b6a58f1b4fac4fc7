#pragma once

#include <QDialog>

#include "fetch/FetchDialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zofar {

/// "ZOFAR  Download schedule": the source, the season and the folder address, editable; the
/// download runs while the dialog shows its progress in bytes. Cancel during a download stops
/// it and leaves everything as it was; otherwise it closes the dialog.
class DownloadScheduleDialog : public QDialog, public DownloadProgress {
    Q_OBJECT
public:
    DownloadScheduleDialog(const FetchDialogInput& input, DownloadAction download, QWidget* parent = nullptr);

    /// Runs the dialog until a download answers that it is done, or the user closes it.
    static void Run(QWidget* parent, const FetchDialogInput& input, const DownloadAction& download);

    FetchChoices Choices() const;
    bool Downloading() const { return downloading_; }

    void Progress(const std::string& file, long long received, long long total) override;
    bool CancelRequested() override { return cancelRequested_; }

    QComboBox* SourceBox() const { return source_; }
    QLineEdit* SeasonEdit() const { return season_; }
    QLineEdit* AddressEdit() const { return address_; }
    QLabel* FilesLabel() const { return files_; }
    QProgressBar* Bar() const { return bar_; }
    QLabel* BytesLabel() const { return bytes_; }
    QPushButton* DownloadButton() const { return downloadButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

public slots:
    void reject() override;

private:
    void SourceChosen(int index);
    void ShowFiles();
    void StartDownload();

    DownloadAction download_;
    std::vector<std::string> folderOfSource_;
    QComboBox* source_ = nullptr;
    QLineEdit* season_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLabel* files_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* bytes_ = nullptr;
    QPushButton* downloadButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool downloading_ = false;
    bool cancelRequested_ = false;
};

}  // namespace zofar
