#include <gtest/gtest.h>

#include <fstream>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/ZofarProgram.h"
#include "selection/FilterListBox.h"
#include "selection/FilterNameDialog.h"
#include "selection/ManagePredefinedFiltersDialog.h"
#include "selection/PredefinedFilterDialogChecks.h"
#include "selection/PredefinedFilterList.h"
#include "selection/SelectPredefinedFilterDialog.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using Checks = PredefinedFilterDialogChecks;

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QStringList Lines(const FilterListBox& list) {
    QStringList lines;
    for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
    return lines;
}

QStringList ButtonTexts(const QWidget& dialog) {
    QStringList texts;
    for (auto* button : dialog.findChildren<QPushButton*>()) texts << button->text();
    return texts;
}

// Press, release, double click, release on the line, as the window system delivers them.
void DoubleClickLine(FilterListBox& list, int row) {
    QWidget* target = list.viewport();
    const QPointF local(list.visualItemRect(list.item(row)).center());
    const QPointF global(target->mapToGlobal(local));
    const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent e(type, local, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}

// The list operations over a real list, as the document offers them.
struct ListOperations : PredefinedFilterOperations {
    PredefinedFilterList list;
    FilterCriteria current;
    std::optional<std::string> PredefinedFilterName(int index) const override { return list.Name(index); }
    bool CreatePredefinedFilter(int index, const std::string& name) override {
        return list.Create(index, name, current);
    }
    void DeletePredefinedFilter(int index) override { list.Delete(index); }
};

}  // namespace

TEST(SelectPredefinedFilterDialog, listsTheNamesInOrderOpensOnTheFirstAndAsksForASelectionBeforeOk) {
    SelectPredefinedFilterDialog dialog({"b", "a", "b"});
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Select a Predefined Filter");
    EXPECT_EQ(ButtonTexts(dialog), (QStringList{"OK", "Cancel"}));
    EXPECT_EQ(Lines(*dialog.List()), (QStringList{"b", "a", "b"}));
    EXPECT_EQ(dialog.List()->SelectedLine(), 0) << "Enter takes the first filter";

    dialog.show();
    QTest::keyClick(dialog.List(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedIndex(), 0);

    dialog.setResult(QDialog::Rejected);
    dialog.List()->clearSelection();
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    dialog.accept();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].title, "ZOFAR");
    EXPECT_EQ(driver.boxes[0].text, ToQt(Checks::kSelectFilter));
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.List()->item(2)->setSelected(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedIndex(), 2);
}

TEST(SelectPredefinedFilterDialog, aDoubleClickActsAsOkAndOkInAnEmptyListClosesWithoutAMessage) {
    SelectPredefinedFilterDialog dialog({"a", "b"});
    dialog.show();
    DoubleClickLine(*dialog.List(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedIndex(), 1);

    test::ModalDriver driver;
    SelectPredefinedFilterDialog empty({});
    empty.accept();
    EXPECT_TRUE(driver.boxes.empty());
    EXPECT_EQ(empty.result(), QDialog::Accepted);
    EXPECT_EQ(empty.SelectedIndex(), -1);
}

TEST(FilterNameDialog, opensEmptyWithTheFocusInTheEditAndKeepsItOpenWithTheChecksMessage) {
    FilterNameDialog dialog([](const std::string& name) -> std::optional<std::string> {
        if (name == "bad") return "refused";
        return std::nullopt;
    });
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Enter Filter Name");
    EXPECT_EQ(ButtonTexts(dialog), (QStringList{"OK", "Cancel"}));
    EXPECT_TRUE(dialog.Edit()->text().isEmpty());
    EXPECT_EQ(dialog.focusWidget(), dialog.Edit());
    EXPECT_GT(dialog.Edit()->maxLength(), 1000000);

    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    dialog.Edit()->setText("bad");
    dialog.accept();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "refused");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.focusWidget(), dialog.Edit());

    dialog.Edit()->setText("  Evening  ");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), "  Evening  ");
}

TEST(ManagePredefinedFiltersDialog, createsAndDeletesOverItselfAndRefillsWithNothingSelected) {
    ListOperations operations;
    operations.list = PredefinedFilterList({CPredefFilter{"a", {}}, CPredefFilter{"b", {}}});
    PredefinedFilterManager manager(operations, operations.current);
    ManagePredefinedFiltersDialog dialog(manager);
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Manage the Predefined Filters");
    EXPECT_EQ(ButtonTexts(dialog), (QStringList{"Create Filter", "Delete Filter", "Close"}));
    EXPECT_EQ(Lines(*dialog.List()), (QStringList{"a", "b"}));
    auto* create = dialog.findChild<QPushButton*>("createButton");
    auto* remove = dialog.findChild<QPushButton*>("deleteButton");
    ASSERT_TRUE(create && remove);

    test::ModalDriver driver;
    dialog.List()->item(0)->setSelected(true);
    QWidget* nameParent = nullptr;
    driver.Handle<FilterNameDialog>([&nameParent](FilterNameDialog& name) {
        nameParent = name.parentWidget();
        name.Edit()->setText("new");
        name.accept();
    });
    create->click();
    EXPECT_EQ(nameParent, &dialog);
    EXPECT_EQ(Lines(*dialog.List()), (QStringList{"a", "new", "b"}));
    EXPECT_EQ(dialog.List()->SelectedLine(), -1);

    dialog.List()->item(2)->setSelected(true);
    driver.Answer(QMessageBox::No);
    remove->click();
    EXPECT_EQ(Lines(*dialog.List()), (QStringList{"a", "new", "b"}));
    EXPECT_EQ(dialog.List()->SelectedLine(), 2);
    driver.Answer(QMessageBox::Yes);
    remove->click();
    EXPECT_EQ(Lines(*dialog.List()), (QStringList{"a", "new"}));
    EXPECT_EQ(dialog.List()->SelectedLine(), -1);
    ASSERT_EQ(driver.boxes.size(), 2u);
    EXPECT_EQ(driver.boxes[0].text, ToQt(Checks::kConfirmDelete));
    EXPECT_EQ(driver.boxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(driver.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);

    driver.Answer(QMessageBox::Ok);
    create->click();
    ASSERT_EQ(driver.boxes.size(), 3u);
    EXPECT_EQ(driver.boxes[2].text, ToQt(Checks::kSelectInsertAfter));
    EXPECT_TRUE(driver.Done());
}

TEST(ManagePredefinedFiltersDialog, aDoubleClickOnALineDoesNothingAndCloseEndsTheDialog) {
    ListOperations operations;
    operations.list = PredefinedFilterList({CPredefFilter{"a", {}}});
    PredefinedFilterManager manager(operations, operations.current);
    ManagePredefinedFiltersDialog dialog(manager);
    dialog.show();
    test::ModalDriver driver;
    DoubleClickLine(*dialog.List(), 0);
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(driver.boxes.empty());
    EXPECT_EQ(operations.list.Count(), 1);
    dialog.findChild<QPushButton*>("closeButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(PredefinedFilterCommands, ctrlWAndCtrlMOpenTheirDialogsOverTheMainWindow) {
    test::TempDir dir;
    test::RecordingReporter reporter;
    ASSERT_TRUE(test::CreateDatabase(dir.file("B24.mdb"), {{6005, "DEUTSCHLANDFUNK", "00:00", "23:59"}}, reporter));
    std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=B24\n";
    FixedClock clock{UtcTime{2024, 5, 6, 21, 0, 0, 1}};
    ZofarProgram program(AppPaths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")},
                         clock);
    program.Start();
    QApplication::setActiveWindow(&program.Frame());
    QWidget* list = program.Frame().centralWidget();
    ASSERT_NE(list, nullptr);
    list->setFocus();

    test::ModalDriver driver;
    QWidget* selectParent = nullptr;
    QWidget* manageParent = nullptr;
    driver.Handle<SelectPredefinedFilterDialog>([&selectParent](SelectPredefinedFilterDialog& d) {
        selectParent = d.parentWidget();
        d.reject();
    });
    QTest::keyClick(list, Qt::Key_W, Qt::ControlModifier);
    QApplication::setActiveWindow(&program.Frame());
    list->setFocus();
    driver.Handle<ManagePredefinedFiltersDialog>([&manageParent](ManagePredefinedFiltersDialog& d) {
        manageParent = d.parentWidget();
        d.reject();
    });
    QTest::keyClick(list, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(selectParent, &program.Frame());
    EXPECT_EQ(manageParent, &program.Frame());
}

}  // namespace zofar
