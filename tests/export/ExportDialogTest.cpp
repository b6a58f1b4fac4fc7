#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <set>

#include "app/ModalDriver.h"
#include "export/ExportDialog.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

template <typename W>
W* Child(const QWidget& dialog, const char* name) {
    auto* w = dialog.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

ExportChoices Filled(const test::TempDir& dir) {
    ExportChoices choices;
    ColumnFlags flags{};
    flags.fill(true);
    choices.columns = BuildColumnChoice(ColumnLayout{}, flags);
    choices.checks.assign(choices.columns.offered.size(), true);
    choices.paths = {dir.file("a.csv"), dir.file("bookmarks.csv"), dir.file("a.json")};
    return choices;
}

}  // namespace

TEST(ExportDialog, everyControlHasItsOwnAccessKey) {
    test::TempDir dir;
    ExportDialog dialog(Filled(dir));
    EXPECT_EQ(dialog.windowTitle(), "Export");
    std::set<QChar> keys;
    QStringList texts;
    for (auto* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->objectName() == "okButton" || button->objectName() == "cancelButton") continue;  // Enter, Esc
        texts << button->text();
    }
    for (auto* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy()) texts << label->text();
    }
    for (const QString& text : {QString("&CSV"), QString("&gqrx bookmarks"), QString("&SDR++ frequency list"),
                                QString("&Browse..."), QString("&Merge into the existing bookmarks")}) {
        EXPECT_TRUE(texts.contains(text)) << text.toStdString();
    }
    EXPECT_EQ(texts.size(), 10);
    for (const QString& text : texts) {
        const int amp = text.indexOf('&');
        ASSERT_GE(amp, 0) << text.toStdString();
        EXPECT_TRUE(keys.insert(text[amp + 1].toLower()).second) << text.toStdString();
    }
}

TEST(ExportDialog, eachFormatKeepsItsFileAndOnlyItsOwnControlsAreEnabled) {
    test::TempDir dir;
    ExportDialog dialog(Filled(dir));
    auto* file = Child<QLineEdit>(dialog, "fileEdit");
    EXPECT_EQ(file->text().toStdString(), dir.file("a.csv"));
    EXPECT_FALSE(Child<QCheckBox>(dialog, "mergeBox")->isEnabled());
    file->setText(QString::fromStdString(dir.file("typed.csv")));

    Child<QRadioButton>(dialog, "gqrxRadio")->click();
    EXPECT_EQ(file->text().toStdString(), dir.file("bookmarks.csv"));
    EXPECT_TRUE(Child<QCheckBox>(dialog, "mergeBox")->isEnabled());
    EXPECT_FALSE(Child<QListWidget>(dialog, "columnList")->isEnabled());
    bool confirmAsked = true;
    dialog.SetFileChooser([&](const QString&, const QString&, const QString& filter, bool confirm) {
        confirmAsked = confirm;
        EXPECT_TRUE(filter.contains("bookmarks.csv"));
        return QString::fromStdString(dir.file("chosen.csv"));
    });
    Child<QPushButton>(dialog, "browseButton")->click();
    EXPECT_FALSE(confirmAsked) << "merging replaces nothing the user would lose";

    Child<QRadioButton>(dialog, "csvRadio")->click();
    EXPECT_EQ(file->text().toStdString(), dir.file("typed.csv"));
    const ExportChoices shown = dialog.Choices();
    EXPECT_EQ(shown.format, ExportFormat::Csv);
    EXPECT_EQ(shown.paths[1], dir.file("chosen.csv"));
}

TEST(ExportDialog, okShowsTheCoreChecksMessageAndStaysOpen) {
    test::TempDir dir;
    ExportDialog dialog(Filled(dir));
    dialog.show();
    Child<QLineEdit>(dialog, "fileEdit")->clear();
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    dialog.accept();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "No file name!\nPlease enter the name of the file to write.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace zofar
