#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/ModalDriver.h"
#include "output/ClipboardDialog.h"
#include "output/PrintOptionsDialog.h"

namespace zofar {
namespace {

template <typename W>
W* Child(const QWidget& dialog, const char* name) {
    auto* w = dialog.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList Texts(const QWidget& dialog) {
    QStringList texts;
    for (auto* label : dialog.findChildren<QLabel*>()) texts << label->text();
    for (auto* button : dialog.findChildren<QAbstractButton*>()) texts << button->text();
    for (auto* group : dialog.findChildren<QGroupBox*>()) texts << group->title();
    return texts;
}

QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    return lines;
}

// STATION left of FREQ, modu hidden: the list offers the other 23 in display order.
ColumnChoice MovedChoice() {
    ColumnLayout layout;
    std::swap(layout.order[0], layout.order[1]);
    layout.widths[3] = 4;
    ColumnFlags flags{};
    flags.fill(true);
    flags[2] = false;
    return BuildColumnChoice(layout, flags);
}

std::vector<bool> ChecksOf(const ColumnChoice& choice) {
    std::vector<bool> checks;
    for (int p : choice.offered) checks.push_back(choice.positions[static_cast<std::size_t>(p)].checked);
    return checks;
}

TEST(ClipboardDialog, isWideEnoughForItsWholeCaptionInABoldTitleFont) {
    ClipboardChoices choices{1, true, MovedChoice(), {}};
    choices.checks = ChecksOf(choices.columns);
    ClipboardDialog dialog(choices);
    dialog.show();
    QFont bold = dialog.font();
    bold.setBold(true);
    EXPECT_GT(dialog.width(), QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 100);
}

TEST(ClipboardDialog, showsTheChoicesAndHandsBackWhatTheUserChanged) {
    ClipboardChoices choices{1, true, MovedChoice(), {}};
    choices.checks = ChecksOf(choices.columns);
    ClipboardDialog dialog(choices);
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Copy to the Clipboard");
    for (const char* text : {"Selected record", "Records on the screen", "All records",
                             "Columns to be included :", "Use TAB as a column separator", "OK", "Cancel"}) {
        EXPECT_TRUE(Texts(dialog).contains(text)) << text;
    }
    EXPECT_TRUE(Child<QRadioButton>(dialog, "screenRecordsRadio")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "tabBox")->isChecked());
    auto* list = Child<QListWidget>(dialog, "columnList");
    ASSERT_EQ(list->count(), 23);
    EXPECT_EQ(Lines(*list).mid(0, 4), (QStringList{"STATION", "FREQ", "STN", "STATUS"}));
    EXPECT_EQ(list->item(2)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list->item(3)->checkState(), Qt::Checked);

    Child<QRadioButton>(dialog, "allRecordsRadio")->setChecked(true);
    Child<QCheckBox>(dialog, "tabBox")->setChecked(false);
    list->item(0)->setCheckState(Qt::Unchecked);
    list->item(2)->setCheckState(Qt::Checked);
    const ClipboardChoices shown = dialog.Choices();
    EXPECT_EQ(shown.scopeIndex, 2);
    EXPECT_FALSE(shown.useTabs);
    ASSERT_EQ(shown.checks.size(), 23u);
    EXPECT_FALSE(shown.checks[0]);
    EXPECT_TRUE(shown.checks[2]);
}

class PrintOptionsDialogTest : public ::testing::Test {
protected:
    PrintOptionsDialogTest() {
        choices.scopeIndex = 2;
        choices.borderTop = 12;
        choices.columns = MovedChoice();
        choices.checks = ChecksOf(choices.columns);
    }
    PrintChoices choices;
    int setups = 0;
    std::function<void(QWidget*)> setup = [this](QWidget*) { ++setups; };
};

TEST_F(PrintOptionsDialogTest, showsItsGroupsFieldsAndButtonsWithPrintAsTheDefault) {
    PrintOptionsDialog dialog(choices, setup);
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Print");
    for (const char* text :
         {"Records to be printed", "Selected record", "Records on the screen", "All records", "Print parameters",
          "Top border (mm) :", "Bottom border (mm) :", "Left border (mm) :", "Right border (mm) :",
          "Font height (pt) :", "Columns to be included :", "Preview", "Print", "Setup", "Cancel"}) {
        EXPECT_TRUE(Texts(dialog).contains(text)) << text;
    }
    EXPECT_TRUE(Child<QRadioButton>(dialog, "allRecordsRadio")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(dialog, "borderTopEdit")->text(), "12");
    EXPECT_EQ(Child<QLineEdit>(dialog, "borderLeftEdit")->text(), "20");
    EXPECT_EQ(Child<QLineEdit>(dialog, "fontHeightEdit")->text(), "8");
    EXPECT_EQ(Lines(*Child<QListWidget>(dialog, "columnList")).first(), "STATION");
    EXPECT_TRUE(Child<QPushButton>(dialog, "printButton")->isDefault());

    Child<QPushButton>(dialog, "setupButton")->click();
    EXPECT_EQ(setups, 1);
    EXPECT_FALSE(dialog.Request().has_value()) << "Setup leaves the dialog open";
}

// A4 portrait printable from 5 mm at each side; the average character is a quarter of the
// font height in 0.1 mm per point, so the characters grow with the font.
PageInput::Printer MeasureA4(int fontHeight) {
    PageInput::Printer p;
    p.widthMm = 200.0;
    p.heightMm = 289.0;
    p.widthPx = 2000;
    p.heightPx = 2890;
    p.pagePx = PageInput::PixelSize{2100, 2970};
    p.offsetPx = PageInput::PixelOffset{50, 40};
    p.averageCharWidth = fontHeight * 5 / 2;
    return p;
}

TEST_F(PrintOptionsDialogTest, aLineNamesTheTickedColumnsThatDoNotFitAndFollowsTheChoices) {
    PrintOptionsDialog dialog(choices, setup);
    dialog.show();
    EXPECT_FALSE(dialog.FitNote()->isVisible()) << "without a printer to measure nothing is said";
    dialog.SetPageMeasure(MeasureA4);
    // STATION, FREQ and STATUS fit; LOCATION would end right of the clip.
    EXPECT_TRUE(dialog.FitNote()->isVisible());
    EXPECT_TRUE(dialog.FitNote()->text().startsWith("Do not fit on the page: LOCATION, REGION, COUNTRY, ITU"))
        << dialog.FitNote()->text().toStdString();

    auto* list = Child<QListWidget>(dialog, "columnList");
    for (int line = 2; line < list->count(); ++line) list->item(line)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(dialog.FitNote()->isVisible());

    Child<QLineEdit>(dialog, "fontHeightEdit")->setText("25");
    EXPECT_EQ(dialog.FitNote()->text(), "Do not fit on the page: STATION, FREQ");
    Child<QLineEdit>(dialog, "fontHeightEdit")->setText("2x");
    EXPECT_EQ(dialog.FitNote()->text(), "Do not fit on the page: STATION, FREQ")
        << "an unreadable field changes nothing";
    Child<QLineEdit>(dialog, "fontHeightEdit")->setText("12");
    Child<QLineEdit>(dialog, "borderLeftEdit")->setText("50");
    Child<QLineEdit>(dialog, "borderRightEdit")->setText("50");
    EXPECT_EQ(dialog.FitNote()->text(), "Do not fit on the page: FREQ");
}

// The widget only shows what the checks say: their message, and the focus on their field.
TEST_F(PrintOptionsDialogTest, aRefusedFieldGetsTheMessageAndTheFocusAndTheDialogStays) {
    PrintOptionsDialog dialog(choices, setup);
    dialog.show();
    Child<QLineEdit>(dialog, "borderRightEdit")->setText("60");
    Child<QLineEdit>(dialog, "borderTopEdit")->setText("x");
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    Child<QPushButton>(dialog, "printButton")->click();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].title, "ZOFAR");
    EXPECT_EQ(driver.boxes[0].text, "Please enter an integer between 1 and 50.");
    EXPECT_EQ(dialog.focusWidget(), Child<QLineEdit>(dialog, "borderRightEdit"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "borderRightEdit")->selectedText(), "60");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Request().has_value());
}

TEST_F(PrintOptionsDialogTest, previewAndPrintHandBackTheButtonAndTheValues) {
    for (auto [button, action] :
         {std::pair{"previewButton", PrintAction::Preview}, std::pair{"printButton", PrintAction::Print}}) {
        PrintOptionsDialog dialog(choices, setup);
        Child<QRadioButton>(dialog, "selectedRecordRadio")->setChecked(true);
        Child<QLineEdit>(dialog, "borderBottomEdit")->setText(" 30 ");
        Child<QLineEdit>(dialog, "fontHeightEdit")->setText("25");
        Child<QListWidget>(dialog, "columnList")->item(1)->setCheckState(Qt::Unchecked);
        Child<QPushButton>(dialog, button)->click();
        ASSERT_TRUE(dialog.Request().has_value()) << button;
        const PrintRequest& request = *dialog.Request();
        EXPECT_EQ(request.action, action);
        EXPECT_EQ(request.choices.scopeIndex, 0);
        EXPECT_EQ(request.choices.borderTop, 12);
        EXPECT_EQ(request.choices.borderBottom, 30);
        EXPECT_EQ(request.choices.fontHeight, 25);
        EXPECT_FALSE(request.choices.checks[1]);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

}  // namespace
}  // namespace zofar
