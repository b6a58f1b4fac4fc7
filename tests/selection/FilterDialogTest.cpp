#include <gtest/gtest.h>

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "selection/FilterDialog.h"

using namespace zofar;

namespace {

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

// Waits for the next modal message box, notes what it shows and presses its OK button.
void AnswerNextMessageBox(SeenMessage& seen, int triesLeft = 200) {
    QTimer::singleShot(5, [&seen, triesLeft] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->windowTitle(), box->text(), box->icon(), true};
            box->button(QMessageBox::Ok)->click();
        } else if (triesLeft > 0) {
            AnswerNextMessageBox(seen, triesLeft - 1);
        }
    });
}

// Runs `act` on the next modal filter dialog once it is up.
void ActOnNextFilterDialog(std::function<void(FilterDialog&)> act, int triesLeft = 200) {
    QTimer::singleShot(5, [act = std::move(act), triesLeft]() mutable {
        if (auto* dialog = qobject_cast<FilterDialog*>(QApplication::activeModalWidget()))
            act(*dialog);
        else if (triesLeft > 0)
            ActOnNextFilterDialog(std::move(act), triesLeft - 1);
    });
}

template <typename W>
W* Child(const QWidget& dialog, const char* name) {
    auto* w = dialog.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

FilterCriteria SomeCriteria() {
    FilterCriteria c;
    c.BFStation = 1;
    c.FStation = "BBC|Voice";
    c.FFrequency1 = 5900.5;
    c.FStart = "22:00";
    c.FEnd = "02:00";
    c.BFOnairNow = 0;
    c.FOnairTime = "06:30";
    c.BFExactMatch = 1;
    return c;
}

}  // namespace

TEST(FilterDialog, showsEveryLabelRadioAndButtonWithTheHeldValues) {
    FilterDialog dialog(SomeCriteria());
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Filter");

    QStringList boxes;
    for (auto* box : dialog.findChildren<QCheckBox*>()) boxes << box->text().remove('&');
    EXPECT_EQ(boxes, (QStringList{"Frequency (KHz)", "Station [1,2]", "Stn [1,2]", "Location [1,2]", "Country [1,2]",
                                  "Country code (ITU) [1]", "Location code (LC) [1]", "Target area [1,2]",
                                  "Language [1,2]", "Status [1]", "Program structure (P) [1]", "Start time (UTC)",
                                  "Days [1,2]", "Stations \"On Air\" only"}));
    QStringList labels;
    for (auto* label : dialog.findChildren<QLabel*>()) labels << label->text();
    EXPECT_EQ(labels.count("to"), 2);
    EXPECT_TRUE(labels.contains("1:"));
    EXPECT_TRUE(labels.contains("2:"));
    EXPECT_TRUE(labels.contains("\"*\" may be used as a wildcard; \"|\" separates alternatives"));
    QStringList radios;
    for (auto* radio : dialog.findChildren<QRadioButton*>()) radios << radio->text().remove('&');
    EXPECT_EQ(radios, (QStringList{"Now", "At :", "Substring", "Exact match"}));
    EXPECT_EQ(Child<QPushButton>(dialog, "okButton")->text().remove('&'), "OK");
    EXPECT_TRUE(Child<QPushButton>(dialog, "okButton")->isDefault());
    EXPECT_EQ(Child<QPushButton>(dialog, "cancelButton")->text().remove('&'), "Cancel");
    EXPECT_EQ(Child<QPushButton>(dialog, "clearButton")->text().remove('&'), "Clear");

    EXPECT_TRUE(Child<QCheckBox>(dialog, "stationBox")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dialog, "frequencyBox")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(dialog, "stationEdit")->text(), "BBC|Voice");
    EXPECT_EQ(Child<QLineEdit>(dialog, "frequency1Edit")->text(), "5900.5");
    EXPECT_EQ(Child<QLineEdit>(dialog, "frequency2Edit")->text(), "1000000");
    EXPECT_EQ(Child<QLineEdit>(dialog, "startEdit")->text(), "22:00");
    EXPECT_EQ(Child<QLineEdit>(dialog, "onairTimeEdit")->text(), "06:30");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "onairAtRadio")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(dialog, "exactRadio")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(dialog, "substringRadio")->isChecked());
}

TEST(FilterDialog, everyBoxAndButtonHasItsOwnAccessKey) {
    FilterDialog dialog(FilterCriteria{});
    QStringList keys;
    for (auto* button : dialog.findChildren<QAbstractButton*>()) {
        const QString text = button->text();
        const auto amp = text.indexOf('&');
        ASSERT_GE(amp, 0) << text.toStdString();
        EXPECT_EQ(text.indexOf('&', amp + 1), -1) << text.toStdString();
        keys << text.mid(amp + 1, 1).toLower();
    }
    EXPECT_EQ(keys.size(), 21);
    keys.removeDuplicates();
    EXPECT_EQ(keys.size(), 21) << keys.join(' ').toStdString();
}

TEST(FilterDialog, saysSoWhenTheFilterIsSwitchedOff) {
    EXPECT_EQ(FilterDialog(FilterCriteria{}).findChild<QLabel*>("switchedOffNote"), nullptr);
    FilterDialog off(FilterCriteria{}, false);
    EXPECT_EQ(Child<QLabel>(off, "switchedOffNote")->text(),
              "The filter is switched off: Filter > Disable filter (Ctrl+N) switches it on.");
}

TEST(FilterDialog, tabOrderFollowsTheGroupsFromFrequencyToClear) {
    FilterDialog dialog(FilterCriteria{});
    QStringList order;
    QWidget* w = Child<QCheckBox>(dialog, "frequencyBox");
    for (int guard = 0; w && guard < 100; ++guard, w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty()) continue;
        order << w->objectName();
        if (w->objectName() == "clearButton") break;
    }
    EXPECT_EQ(order, (QStringList{"frequencyBox",  "frequency1Edit", "frequency2Edit", "stationBox",   "stationEdit",
                                  "stnBox",        "stnEdit",        "locationBox",    "locationEdit", "countryBox",
                                  "countryEdit",   "ituBox",         "ituEdit",        "lcBox",        "lcEdit",
                                  "targetareaBox", "targetareaEdit", "languageBox",    "languageEdit", "statusBox",
                                  "statusEdit",    "pBox",           "pEdit",          "timeBox",      "startEdit",
                                  "endEdit",       "dayBox",         "dayEdit",        "onairBox",     "onairNowRadio",
                                  "onairAtRadio",  "onairTimeEdit",  "substringRadio", "exactRadio",   "okButton",
                                  "cancelButton",  "clearButton"}));
}

TEST(FilterDialog, clearUnticksEveryBoxAndDiscardsWhatWasTyped) {
    FilterDialog dialog(SomeCriteria());
    Child<QCheckBox>(dialog, "frequencyBox")->setChecked(true);
    Child<QCheckBox>(dialog, "onairBox")->setChecked(true);
    Child<QLineEdit>(dialog, "stationEdit")->setText("typed");
    Child<QRadioButton>(dialog, "substringRadio")->setChecked(true);
    Child<QPushButton>(dialog, "clearButton")->click();

    for (auto* box : dialog.findChildren<QCheckBox*>()) EXPECT_FALSE(box->isChecked()) << box->text().toStdString();
    EXPECT_EQ(Child<QLineEdit>(dialog, "stationEdit")->text(), "BBC|Voice");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "exactRadio")->isChecked());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// Which check fails and what the dialog then holds is the checks' matter; the dialog shows the
// message, puts the focus on the named edit, stays open, and Clear shows what it holds.
TEST(FilterDialog, aRefusedOkWarnsFocusesTheEditAndClearShowsTheValuesReadThen) {
    FilterDialog dialog(SomeCriteria());
    dialog.show();
    Child<QCheckBox>(dialog, "timeBox")->setChecked(true);
    Child<QLineEdit>(dialog, "startEdit")->setText("7:30");
    Child<QLineEdit>(dialog, "countryEdit")->setText("Germany");
    SeenMessage seen;
    AnswerNextMessageBox(seen);
    Child<QPushButton>(dialog, "okButton")->click();
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, "ZOFAR");
    EXPECT_EQ(seen.text, "The first time entry (start time) is not valid (Format: hh:mm).");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.focusWidget(), Child<QLineEdit>(dialog, "startEdit"));

    Child<QLineEdit>(dialog, "countryEdit")->setText("typed after");
    Child<QPushButton>(dialog, "clearButton")->click();
    EXPECT_FALSE(Child<QCheckBox>(dialog, "timeBox")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(dialog, "startEdit")->text(), "7:30");
    EXPECT_EQ(Child<QLineEdit>(dialog, "countryEdit")->text(), "Germany");
}

TEST(FilterDialog, runReturnsTheEditedCriteriaOnOk) {
    ActOnNextFilterDialog([](FilterDialog& dialog) {
        Child<QCheckBox>(dialog, "frequencyBox")->setChecked(true);
        Child<QLineEdit>(dialog, "frequency1Edit")->setText("5900");
        Child<QLineEdit>(dialog, "frequency2Edit")->setText("6200,5");
        Child<QCheckBox>(dialog, "onairBox")->setChecked(true);
        Child<QRadioButton>(dialog, "onairNowRadio")->setChecked(true);
        Child<QRadioButton>(dialog, "substringRadio")->setChecked(true);
        Child<QLineEdit>(dialog, "ituEdit")->setText("D|F");
        Child<QPushButton>(dialog, "okButton")->click();
    });
    const auto result = FilterDialog::Run(nullptr, SomeCriteria());
    ASSERT_TRUE(result.has_value());
    FilterCriteria expected = SomeCriteria();
    expected.BFFrequency = 1;
    expected.FFrequency1 = 5900.0;
    expected.FFrequency2 = 6200.5;
    expected.BFOnair = 1;
    expected.BFOnairNow = 1;
    expected.BFExactMatch = 0;
    expected.FItu = "D|F";
    EXPECT_EQ(*result, expected);
}

TEST(FilterDialog, runReturnsNothingOnCancelEvenAfterEdits) {
    ActOnNextFilterDialog([](FilterDialog& dialog) {
        Child<QLineEdit>(dialog, "stationEdit")->setText("changed");
        Child<QPushButton>(dialog, "cancelButton")->click();
    });
    EXPECT_FALSE(FilterDialog::Run(nullptr, SomeCriteria()).has_value());
}
