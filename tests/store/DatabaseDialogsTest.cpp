#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "import/SourceKinds.h"

#include <fstream>
#include <tuple>

#include "app/ModalDriver.h"
#include "import/CreateDatabaseDialog.h"
#include "store/SelectDatabaseDialog.h"
#include "support/SourceKindIds.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    return lines;
}

TEST(SelectDatabaseDialog, listsTheNamesInTheStoresOrderUnderTheCallersCaption) {
    SelectDatabaseDialog dialog("ZOFAR  Open a Database", {"gamma", "Beta", "alpha"});
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Open a Database");
    EXPECT_EQ(Lines(*dialog.List()), (QStringList{"alpha", "Beta", "gamma"}));
    SelectDatabaseDialog untitled("", {});
    EXPECT_EQ(untitled.windowTitle(), "ZOFAR");
}

QStringList Selected(const QListWidget& list) {
    QStringList lines;
    for (const auto* item : list.selectedItems()) lines << item->text();
    return lines;
}

TEST(SelectDatabaseDialog, opensOnTheCurrentOrFirstNameAndOkWithoutSelectionAsksForOne) {
    EXPECT_EQ(Selected(*SelectDatabaseDialog("", {"B24", "A24"}, "").List()), QStringList{"A24"});
    EXPECT_EQ(Selected(*SelectDatabaseDialog("", {"B24", "A24"}, "gone").List()), QStringList{"A24"});
    SelectDatabaseDialog dialog("ZOFAR  Open a Database", {"A24", "B24"}, "B24");
    EXPECT_EQ(Selected(*dialog.List()), QStringList{"B24"});
    dialog.show();
    dialog.List()->clearSelection();
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    dialog.accept();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "Please select a database!");
    EXPECT_EQ(driver.boxes[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(SelectDatabaseDialog, doubleClickActsAsOkAndGivesTheNameByteForByte) {
    const std::string latin1Name = "caf\xE9";  // a file name that is not UTF-8
    SelectDatabaseDialog dialog("ZOFAR  Delete a Database", {"B24", latin1Name});
    dialog.show();
    QListWidgetItem* item = dialog.List()->item(1);
    dialog.List()->setCurrentItem(item);
    emit dialog.List()->itemDoubleClicked(item);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedName(), latin1Name);
}

class CreateDatabaseDialogTest : public ::testing::Test {
protected:
    test::TempDir dir;
    QStringList titles;
    QStringList filters;
    QString nextFile = "/data/lists/b24.txt";

    std::unique_ptr<CreateDatabaseDialog> Make() {
        auto dialog = std::make_unique<CreateDatabaseDialog>(dir.folder());
        dialog->SetFileChooser([this](const QString& title, const QString& filter) {
            titles << title;
            filters << filter;
            return nextFile;
        });
        dialog->show();
        return dialog;
    }
};

TEST_F(CreateDatabaseDialogTest, showsItsCaptionControlsAndNote) {
    auto dialog = Make();
    EXPECT_EQ(dialog->windowTitle(), "ZOFAR  Create a Database");
    QStringList groups;
    for (auto* g : dialog->findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, (QStringList{"&Name of the new Database", "ILG Text File"}));
    EXPECT_EQ(dialog->KindRadio(test::KindId("text"))->text(), "&TEXT File");
    EXPECT_EQ(dialog->KindRadio(test::KindId("dbase"))->text(), "&DBASE File");
    EXPECT_EQ(dialog->KindRadio(test::KindId("eibi"))->text(), "&EiBi CSV File");
    EXPECT_TRUE(dialog->KindRadio(test::KindId("text"))->isChecked());
    EXPECT_EQ(dialog->SelectButton()->text(), "&Select ILG Text File");
    bool note = false;
    for (auto* l : dialog->findChildren<QLabel*>())
        note |= l->text() == "Creation of a new database may take some time !";
    EXPECT_TRUE(note);
}

TEST_F(CreateDatabaseDialogTest, theSourceGroupNamesTheChosenKindsFile) {
    auto dialog = Make();
    auto* group = qobject_cast<QGroupBox*>(dialog->SourceLabel()->parentWidget());
    ASSERT_NE(group, nullptr);
    dialog->KindRadio(test::KindId("eibi"))->click();
    EXPECT_EQ(group->title(), "EiBi CSV File");
    dialog->KindRadio(test::KindId("hfcc"))->click();
    EXPECT_EQ(group->title(), "HFCC Schedule");
    dialog->KindRadio(test::KindId("dbase"))->click();
    EXPECT_EQ(group->title(), "ILG dBASE File");
}

TEST_F(CreateDatabaseDialogTest, everyControlHasItsOwnAccessKey) {
    auto dialog = Make();
    QStringList texts;
    for (auto* button : dialog->findChildren<QAbstractButton*>()) texts << button->text();
    texts << dialog->NameEdit()->parentWidget()->property("title").toString();
    QStringList keys;
    for (const QString& text : texts) {
        const auto amp = text.indexOf('&');
        ASSERT_GE(amp, 0) << text.toStdString();
        EXPECT_EQ(text.indexOf('&', amp + 1), -1) << text.toStdString();
        keys << text.mid(amp + 1, 1).toLower();
    }
    // The name's box, a button per source kind, Select, OK and Cancel.
    const qsizetype controls = 4 + static_cast<qsizetype>(SourceKinds().size());
    EXPECT_EQ(keys.size(), controls);
    keys.removeDuplicates();
    EXPECT_EQ(keys.size(), controls) << keys.join(' ').toStdString();
}

TEST_F(CreateDatabaseDialogTest, fileDialogFilterFollowsTheKindAndThePathIsSplit) {
    auto dialog = Make();
    dialog->ChooseSourceFile();
    EXPECT_EQ(dialog->focusWidget(), dialog->OkButton());
    dialog->KindRadio(test::KindId("dbase"))->setChecked(true);
    nextFile = "/data/lists/b24.dbf";
    dialog->ChooseSourceFile();
    EXPECT_EQ(titles, (QStringList{"ZOFAR Select an ILG File", "ZOFAR Select an ILG File"}));
    EXPECT_EQ(filters, (QStringList{"ILG Files (*.txt)", "ILG Files (*.dbf)"}));
    EXPECT_EQ(dialog->SourceLabel()->text(), "/data/lists/b24.dbf");

    nextFile.clear();  // Cancel keeps the file chosen before
    dialog->ChooseSourceFile();
    EXPECT_EQ(dialog->SourceLabel()->text(), "/data/lists/b24.dbf");

    dialog->NameEdit()->setText("B24");
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    const CreateDatabaseRequest& r = dialog->Request();
    EXPECT_EQ(r.name, "B24");
    EXPECT_EQ(r.sourcePath, "/data/lists/b24.dbf");
    EXPECT_EQ(r.sourceFolder, "/data/lists/");
    EXPECT_EQ(r.sourceFileName, "b24.dbf");
    EXPECT_EQ(r.sourceKind, 1);
    EXPECT_FALSE(r.replace);
}

TEST_F(CreateDatabaseDialogTest, theEibiKindAsksForACsvFileAndIsKindTwo) {
    auto dialog = Make();
    dialog->KindRadio(test::KindId("eibi"))->setChecked(true);
    EXPECT_FALSE(dialog->KindRadio(test::KindId("text"))->isChecked()) << "the three kinds are one group";
    nextFile = "/data/eibi/sked-a26.csv";
    dialog->ChooseSourceFile();
    EXPECT_EQ(titles, QStringList{"ZOFAR Select an EiBi File"});
    EXPECT_EQ(filters, QStringList{"EiBi Files (*.csv)"});
    dialog->NameEdit()->setText("A26");
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Request().sourceKind, test::KindId("eibi"));
    EXPECT_EQ(dialog->Request().sourceFileName, "sked-a26.csv");
    EXPECT_TRUE(dialog->Request().codesPath.empty());
}

TEST_F(CreateDatabaseDialogTest, everyKindHasItsButtonAndNamesItsFileInTheGroupAndTheSelectButton) {
    auto dialog = Make();
    const std::vector<std::tuple<std::string, QString, QString>> kinds = {
        {"text", "TEXT File", "ILG Text File"},
        {"dbase", "DBASE File", "ILG dBASE File"},
        {"eibi", "EiBi CSV File", "EiBi CSV File"},
        {"hfcc", "HFCC Schedule", "HFCC Schedule"},
        {"aoki", "Aoki (NDXC) List", "Aoki (NDXC) List"},
    };
    ASSERT_EQ(dialog->findChildren<QRadioButton*>().size(), static_cast<qsizetype>(kinds.size()));
    for (const auto& [name, label, field] : kinds) {
        QRadioButton* radio = dialog->KindRadio(test::KindId(name));
        ASSERT_NE(radio, nullptr) << name;
        EXPECT_EQ(radio->text(), "&" + label);
        radio->setChecked(true);
        EXPECT_EQ(dialog->SelectButton()->text(), "&Select " + field);
        QStringList groups;
        for (auto* g : dialog->findChildren<QGroupBox*>()) groups << g->title();
        EXPECT_EQ(groups.last(), field);
    }
    nextFile = "/data/hfcc/a26allx2.zip";
    dialog->ChooseSourceFile();
    EXPECT_EQ(filters, QStringList{"Aoki Lists (*.zip *.txt)"});
    dialog->KindRadio(test::KindId("hfcc"))->setChecked(true);
    dialog->NameEdit()->setText("A26");
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Request().sourceKind, test::KindId("hfcc"));
}

// The checks themselves are the core's; the dialog shows what they say and puts the focus on
// the control they name.
TEST_F(CreateDatabaseDialogTest, aRefusedCheckShowsItsMessageAndFocusesItsControl) {
    auto dialog = Make();
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    driver.Answer(QMessageBox::Ok);
    dialog->accept();
    EXPECT_EQ(dialog->focusWidget(), dialog->NameEdit());
    dialog->NameEdit()->setText("NEW");
    dialog->accept();
    EXPECT_EQ(dialog->focusWidget(), dialog->SelectButton());
    ASSERT_EQ(driver.boxes.size(), 2u);
    EXPECT_EQ(driver.boxes[0].text, "Please enter a name for the new database!");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CreateDatabaseDialogTest, theReplaceQuestionAsksAboutTheFolderItWasGivenAndYesReplaces) {
    std::ofstream(dir.file("Sample.mdb")) << "x";
    auto dialog = Make();
    dialog->ChooseSourceFile();
    dialog->NameEdit()->setText("SAMPLE");
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Yes);
    dialog->accept();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->Request().replace);
}

}  // namespace
}  // namespace zofar
