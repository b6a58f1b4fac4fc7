#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "fetch/DownloadScheduleDialog.h"

namespace zofar {
namespace {

FetchDialogInput Input() {
    return {{"eibi", "b26", "http://www.eibispace.de/dx/"},
            {"http://www.eibispace.de/dx/", "https://www.hfcc.org/data/{SEASON}/", "http://mirror.example/"}};
}

TEST(DownloadScheduleDialog, theAddressFollowsTheSourceAndTheFilesFollowTheSeason) {
    DownloadScheduleDialog dialog(Input(), [](const FetchChoices&, DownloadProgress&) { return true; });
    EXPECT_EQ(dialog.SourceBox()->currentText(), "EiBi");
    EXPECT_EQ(dialog.FilesLabel()->text(),
              "http://www.eibispace.de/dx/sked-b26.csv\nhttp://www.eibispace.de/dx/README.TXT");
    dialog.SourceBox()->setCurrentIndex(1);
    EXPECT_EQ(dialog.AddressEdit()->text(), "https://www.hfcc.org/data/{SEASON}/");
    dialog.SeasonEdit()->setText("A27");
    EXPECT_EQ(dialog.FilesLabel()->text(), "https://www.hfcc.org/data/A27/A27allx2.zip");
    EXPECT_TRUE(dialog.DownloadButton()->isEnabled());
    dialog.SeasonEdit()->setText("A2");
    EXPECT_FALSE(dialog.DownloadButton()->isEnabled());
}

TEST(DownloadScheduleDialog, downloadRunsWithTheChoicesAndShowsItsProgressInBytes) {
    std::vector<FetchChoices> asked;
    QString shown;
    DownloadScheduleDialog* self = nullptr;
    DownloadScheduleDialog dialog(Input(), [&](const FetchChoices& choices, DownloadProgress& progress) {
        asked.push_back(choices);
        progress.Progress("sked-b26.csv", 12400, 1300000);
        shown = self->BytesLabel()->text();
        EXPECT_FALSE(self->DownloadButton()->isEnabled());
        return asked.size() == 2;
    });
    self = &dialog;
    dialog.AddressEdit()->setText("http://127.0.0.1:8080/dx/");
    dialog.DownloadButton()->click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].source, "eibi");
    EXPECT_EQ(asked[0].season, "b26");
    EXPECT_EQ(asked[0].folderUrl, "http://127.0.0.1:8080/dx/");
    EXPECT_EQ(shown, "sked-b26.csv: 12.4 kB of 1.3 MB");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);  // a failure keeps the dialog open
    EXPECT_TRUE(dialog.DownloadButton()->isEnabled());
    dialog.DownloadButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(DownloadScheduleDialog, cancelDuringADownloadAsksItToStopAndLeavesTheDialogUntilItHas) {
    bool cancelSeen = false;
    DownloadScheduleDialog* self = nullptr;
    DownloadScheduleDialog dialog(Input(), [&](const FetchChoices&, DownloadProgress& progress) {
        EXPECT_FALSE(progress.CancelRequested());
        self->CancelButton()->click();
        cancelSeen = progress.CancelRequested();
        EXPECT_TRUE(self->Downloading());
        return true;
    });
    self = &dialog;
    dialog.show();
    dialog.DownloadButton()->click();
    EXPECT_TRUE(cancelSeen);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace zofar
