#include "app/QtDocumentUi.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

#include "app/AboutDialog.h"
#include "app/CMainFrame.h"
#include "app/ImportProgressWindow.h"
#include "app/ModalDriver.h"
#include "document/StatusTexts.h"
#include "app/ZofarProgram.h"
#include "document/CZOFDoc.h"
#include "store/SelectDatabaseDialog.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/ListPort.h"

namespace zofar {
namespace {

// The whole program as it starts, around a temporary folder and a fixed clock.
class QtDocumentUiTest : public ::testing::Test {
protected:
    test::TempDir dir;
    FixedClock clock{UtcTime{2024, 5, 6, 21, 0, 0, 1}};
    std::unique_ptr<ZofarProgram> program;

    AppPaths Paths() const {
        return AppPaths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")};
    }
    void SetUp() override { program = std::make_unique<ZofarProgram>(Paths(), clock); }
    void TearDown() override { program.reset(); }

    QtDocumentUi& Ui() { return program->Ui(); }
    CMainFrame& Frame() { return program->Frame(); }
};

TEST_F(QtDocumentUiTest, startReopensTheLastDatabaseAndShowsItInTitleAndPanes) {
    test::RecordingReporter reporter;
    ASSERT_TRUE(test::CreateDatabase(
        dir.file("B24.mdb"), {{6005, "DEUTSCHLANDFUNK", "00:00", "23:59"}, {9420, "ERT", "05:00", "08:00"}}, reporter));
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=B24\nSort=STATION\n";
    program->Start();
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().windowTitle(), " ZOFAR Program Database  \"B24\"");
    EXPECT_EQ(Frame().Pane(kPaneRecordsId)->text(), "Records:  2");
    EXPECT_EQ(Frame().Pane(kPaneSortId)->text(), "Sort:  STATION");
    EXPECT_EQ(Frame().Pane(kPaneClockId)->text(), " 21:00:00  UTC");
}

TEST_F(QtDocumentUiTest, aRememberedDatabaseThatIsGoneIsReportedOverTheShownWindow) {
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=GONE\n";
    test::ModalDriver driver;
    bool overTheWindow = false;
    QString text;
    driver.Handle<QMessageBox>([&](QMessageBox& box) {
        overTheWindow = Frame().isVisible();
        text = box.text();
        box.accept();
    });
    program->Start();
    EXPECT_TRUE(driver.Done());
    EXPECT_TRUE(overTheWindow);
    EXPECT_TRUE(text.startsWith("The database \"GONE\" cannot be opened: ")) << text.toStdString();
}

// Ctrl+C and Ctrl+X are the program's Clipboard and Exit commands, also while the record list
// (which would copy a cell on Ctrl+C by itself) has the keyboard focus.
TEST_F(QtDocumentUiTest, acceleratorsReachTheWindowWhileTheListHasTheFocus) {
    test::RecordingReporter reporter;
    ASSERT_TRUE(test::CreateDatabase(dir.file("B24.mdb"), {{6005, "DEUTSCHLANDFUNK", "00:00", "23:59"}}, reporter));
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=B24\n";
    program->Start();
    QApplication::setActiveWindow(&Frame());
    QWidget* list = Frame().centralWidget();
    ASSERT_NE(list, nullptr);
    list->setFocus();

    int clipboard = 0;
    QObject::connect(Frame().Action(CommandId::Clipboard), &QAction::triggered, [&clipboard] { ++clipboard; });
    test::ModalDriver driver;
    driver.Handle<QDialog>([](QDialog& clipboardDialog) { clipboardDialog.reject(); });
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard, 1);

    // The dialog that Ctrl+C opened is gone; the window and the list have the focus again.
    QApplication::setActiveWindow(&Frame());
    list->setFocus();
    driver.Answer(QMessageBox::No);
    QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "Do you really want to quit?");
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(QtDocumentUiTest, messagesAreCaptionedZofarWithTheirIconsAndButtons) {
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    driver.Answer(QMessageBox::Ok);
    driver.Answer(QMessageBox::Yes);
    driver.Answer(QMessageBox::No);
    driver.Answer(QMessageBox::Yes);
    Ui().ShowMessage("No record selected!\nPlease select a record.");
    Ui().ShowStoreError("disk I/O error");
    EXPECT_TRUE(Ui().AskYesNo("Do you really want to quit?"));
    EXPECT_FALSE(Ui().AskYesNo("Do you really want to quit?"));
    EXPECT_TRUE(Ui().AskYesNoDefaultNo("Do you really want to delete the database \"A\" ?"));
    ASSERT_EQ(driver.boxes.size(), 5u);
    for (const auto& box : driver.boxes) EXPECT_EQ(box.title, "ZOFAR");
    EXPECT_EQ(driver.boxes[0].text, "No record selected!\nPlease select a record.");
    EXPECT_EQ(driver.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(driver.boxes[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(driver.boxes[1].icon, QMessageBox::Warning);
    EXPECT_EQ(driver.boxes[2].icon, QMessageBox::Question);
    EXPECT_EQ(driver.boxes[2].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(driver.boxes[2].defaultButton, QMessageBox::Yes);
    EXPECT_EQ(driver.boxes[4].defaultButton, QMessageBox::No);
}

TEST_F(QtDocumentUiTest, statusTextTitleAndBusyCursorReachTheWindow) {
    Ui().ShowStatusMessage("Opening the database");
    EXPECT_EQ(Frame().statusBar()->currentMessage(), "Opening the database");
    Ui().SetMainTitle("B24");
    EXPECT_EQ(Frame().windowTitle(), " ZOFAR Program Database  \"B24\"");
    Ui().SetMainTitle("");
    EXPECT_EQ(Frame().windowTitle(), " ZOFAR Program Database");

    Ui().SetWaitCursor(true);
    Ui().SetWaitCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Ui().SetWaitCursor(false);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    Ui().SetWaitCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // One "off" too many must not take away a cursor set by somebody else.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    Ui().SetWaitCursor(false);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    QApplication::restoreOverrideCursor();
}

class RecordingList : public QWidget, public ListPort {
public:
    std::vector<int> hints;
    void UpdateViews(ViewHint hint) override { hints.push_back(hint); }
    ListRows GetListRows() override { return {5, 2, 30}; }
    std::optional<ColumnLayout> CaptureColumnLayout() override {
        ColumnLayout layout;
        layout.widths[3] = 77;
        return layout;
    }
};

// The screen on its own, before any list is put into the window.
TEST(QtDocumentUi, listQueriesAreEmptyUntilAViewIsAttachedThenForwarded) {
    test::TempDir dir;
    FixedClock clock;
    QtDocumentUi ui;
    EXPECT_EQ(ui.GetListRows().selected, -1);
    ui.UpdateViews(kHintRequeried);
    ui.ShowStatusMessage("nowhere to show it yet");

    CZOFDoc doc(DocumentScreen::Of(ui), clock, DocumentPaths{dir.file("zofar.INI"), dir.folder()});
    CMainFrame frame(doc, clock, dir.file("zofar.html"));
    ui.AttachFrame(&frame);
    EXPECT_EQ(ui.GetListRows().selected, -1);
    EXPECT_EQ(ui.GetListRows().lastVisible, -1);
    EXPECT_FALSE(ui.CaptureColumnLayout().has_value());
    ui.UpdateViews(kHintRequeried);

    auto* list = new RecordingList;
    frame.SetListView(list, list);
    ui.UpdateViews(kHintDatabaseChanged);
    ui.UpdateViews(kHintShowCurrent);
    EXPECT_EQ(list->hints, (std::vector<int>{1, 3}));
    EXPECT_EQ(ui.GetListRows().selected, 5);
    EXPECT_EQ(ui.GetListRows().lastVisible, 30);
    EXPECT_EQ(ui.CaptureColumnLayout()->widths[3], 77);
}

TEST_F(QtDocumentUiTest, importProgressWindowShowsAtOnceFollowsThePositionAndGoesAway) {
    auto progress = Ui().OpenImportProgress("ZOFAR  Creating a new Database");
    auto* window = dynamic_cast<ImportProgressWindow*>(progress.get());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "ZOFAR  Creating a new Database");
    progress->SetRange(0, 150);
    progress->SetPosition(100);
    EXPECT_EQ(window->Bar()->maximum(), 150);
    EXPECT_EQ(window->Bar()->value(), 100);
    progress.reset();
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<ImportProgressWindow*>(w), nullptr);
}

TEST_F(QtDocumentUiTest, selectDialogReturnsTheChosenNameOrNothingOnCancel) {
    test::ModalDriver driver;
    driver.Handle<SelectDatabaseDialog>([](SelectDatabaseDialog& d) {
        EXPECT_EQ(d.windowTitle(), "ZOFAR  Open a Database");
        d.List()->setCurrentRow(1);
        d.accept();
    });
    EXPECT_EQ(Ui().RunSelectDatabaseDialog("ZOFAR  Open a Database", {"b", "A", "c"}, ""), "b");
    driver.Handle<SelectDatabaseDialog>([](SelectDatabaseDialog& d) { d.reject(); });
    EXPECT_FALSE(Ui().RunSelectDatabaseDialog("ZOFAR  Delete a Database", {"A"}, "").has_value());
}

TEST_F(QtDocumentUiTest, aboutBoxShowsTheVersionBesideTheLabel) {
    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), "About ZOFAR");
    EXPECT_EQ(about.findChild<QLabel*>("label")->text(), "ZOFAR Program Database Version");
    EXPECT_EQ(about.findChild<QLabel*>("version")->text(), "1.67");
    EXPECT_FALSE(about.findChild<QLabel*>("icon")->pixmap().isNull());
}

}  // namespace
}  // namespace zofar
