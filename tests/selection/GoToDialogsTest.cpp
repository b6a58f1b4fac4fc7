#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <fstream>

#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/ZofarProgram.h"
#include "selection/GoToFrequencyDialog.h"
#include "selection/GoToTextDialog.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

TEST(GoToFrequencyDialog, opensAtZeroAndStaysOpenUntilTheNumberPassesItsCheck) {
    GoToFrequencyDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Go to Frequency");
    EXPECT_EQ(dialog.Edit()->text(), "0");

    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    dialog.Edit()->setText("abc");
    dialog.accept();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "Please enter a number.");
    EXPECT_EQ(driver.boxes[0].title, "ZOFAR");
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.Edit()->setText("6055,5");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.Frequency(), 6055.5);
}

TEST(GoToTextDialog, showsTheChoiceOnlyInChoiceModeAndTakesAtMostFiftyCharacters) {
    GoToTextDialog choice("Station", GoToMode::Choice);
    EXPECT_EQ(choice.windowTitle(), "ZOFAR  Go to Station");
    EXPECT_FALSE(choice.SubstringRadio()->isHidden());
    EXPECT_FALSE(choice.ExactRadio()->isHidden());
    EXPECT_TRUE(choice.SubstringRadio()->isChecked());
    choice.Edit()->setText(QString(60, QLatin1Char('x')));
    EXPECT_EQ(choice.Edit()->text().size(), 50);
    choice.ExactRadio()->setChecked(true);
    EXPECT_TRUE(choice.Entry().exactMatch);

    GoToTextDialog exact("Location Code", GoToMode::Exact);
    EXPECT_EQ(exact.windowTitle(), "ZOFAR  Go to Location Code");
    EXPECT_TRUE(exact.SubstringRadio()->isHidden());
    EXPECT_TRUE(exact.ExactRadio()->isHidden());
    exact.Edit()->setText("D*");
    EXPECT_EQ(exact.Entry().text, "D*");
    EXPECT_FALSE(exact.Entry().exactMatch);
}

TEST(GoToDialogs, theGoToCommandsOfTheWindowAskThroughTheirDialogsAndMoveTheList) {
    test::TempDir dir;
    test::RecordingReporter reporter;
    ASSERT_TRUE(test::CreateDatabase(
        dir.file("B24.mdb"), {{9420, "ERT", "05:00", "08:00"}, {6005, "DEUTSCHLANDFUNK", "00:00", "23:59"}}, reporter));
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=B24\n";
    FixedClock clock;
    ZofarProgram program({dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")}, clock);
    program.Start();

    test::ModalDriver driver;
    driver.Handle<GoToTextDialog>([](GoToTextDialog& dialog) {
        dialog.Edit()->setText("ert");
        dialog.accept();
    });
    EXPECT_TRUE(program.Frame().ExecuteCommand(CommandId::GoToStation));
    EXPECT_EQ(program.Doc().SortKey(), "STATION");
    EXPECT_EQ(program.Doc().CurrentPosition(), 1);

    driver.Handle<GoToFrequencyDialog>([](GoToFrequencyDialog& dialog) {
        dialog.Edit()->setText("9000");
        dialog.accept();
    });
    EXPECT_TRUE(program.Frame().ExecuteCommand(CommandId::GoToFrequency));
    EXPECT_EQ(program.Doc().SortKey(), "FREQ");
    EXPECT_EQ(program.Doc().CurrentPosition(), 1);
    EXPECT_TRUE(driver.Done());
}

}  // namespace
}  // namespace zofar
