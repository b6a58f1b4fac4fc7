#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <fstream>

#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/ZofarProgram.h"
#include "output/ClipboardDialog.h"
#include "output/PrintOptionsDialog.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/CZOFView.h"

namespace zofar {
namespace {

// The whole program with a database of three records open, and a user in front of it.
class OutputCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::RecordingReporter reporter;
        ASSERT_TRUE(test::CreateDatabase(
            dir.file("B24.mdb"),
            {{6005, "DLF", "00:00", "23:59"}, {9420, "ERT", "05:00", "08:00"}, {15435, "VOA", "05:00", "08:00"}},
            reporter));
        std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=B24\n";
        program = std::make_unique<ZofarProgram>(
            AppPaths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")}, clock);
        program->Start();
    }
    void TearDown() override { program.reset(); }

    CMainFrame& Frame() { return program->Frame(); }
    CZOFView& View() { return *qobject_cast<CZOFView*>(Frame().centralWidget()); }

    template <typename D>
    static void Click(D& dialog, const char* button) {
        dialog.template findChild<QPushButton*>(QString::fromUtf8(button))->click();
    }

    test::TempDir dir;
    FixedClock clock{UtcTime{2024, 3, 7, 21, 0, 0, 4}};
    std::unique_ptr<ZofarProgram> program;
    test::ModalDriver driver;
};

TEST_F(OutputCommandsTest, clipboardCommandPutsTheChosenRecordsOnTheSystemClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    driver.Handle<ClipboardDialog>([](ClipboardDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("allRecordsRadio"))->setChecked(true);
        auto* list = d.findChild<QListWidget*>(QStringLiteral("columnList"));
        for (int i = 2; i < list->count(); ++i) list->item(i)->setCheckState(Qt::Unchecked);
        Click(d, "okButton");
    });
    EXPECT_TRUE(Frame().ExecuteCommand(CommandId::Clipboard));
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral(" 6005.0  DLF                   \n"
                                                                   " 9420.0  ERT                   \n"
                                                                   "15435.0  VOA                   "));
    EXPECT_TRUE(View().LiveUpdates());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Closing the preview with its own button brings the print dialog back; Cancel there ends it.
// That it comes back with the choices just made is the document's rule, tested there.
TEST_F(OutputCommandsTest, closingThePreviewReopensThePrintDialog) {
    int printDialogs = 0;
    int previewPages = -1;
    bool listRestedDuringPreview = false;
    driver.Handle<PrintOptionsDialog>([&](PrintOptionsDialog& d) {
        ++printDialogs;
        d.findChild<QRadioButton*>(QStringLiteral("allRecordsRadio"))->setChecked(true);
        Click(d, "previewButton");
    });
    driver.Handle<QPrintPreviewDialog>([&](QPrintPreviewDialog& d) {
        listRestedDuringPreview = !View().LiveUpdates();
        if (auto* widget = d.findChild<QPrintPreviewWidget*>()) previewPages = widget->pageCount();
        d.reject();
    });
    driver.Handle<PrintOptionsDialog>([&](PrintOptionsDialog& d) {
        ++printDialogs;
        Click(d, "cancelButton");
    });
    EXPECT_TRUE(Frame().ExecuteCommand(CommandId::Print));
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(printDialogs, 2);
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(listRestedDuringPreview);
    EXPECT_TRUE(View().LiveUpdates());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(OutputCommandsTest, printGoesThroughThePrintDialogToThePrinter) {
    const std::string pdf = dir.file("printed.pdf");
    QPrinter& printer = program->Ui().Printing().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    bool busyWhileAsked = true;
    driver.Handle<PrintOptionsDialog>([](PrintOptionsDialog& d) { Click(d, "printButton"); });
    driver.Handle<QPrintDialog>([&](QPrintDialog& d) {
        busyWhileAsked = QApplication::overrideCursor() != nullptr;
        d.accept();
    });
    View().selectRow(1);
    EXPECT_TRUE(Frame().ExecuteCommand(CommandId::Print));
    EXPECT_TRUE(driver.Done());
    EXPECT_FALSE(busyWhileAsked) << "the normal cursor while the user answers";
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
    EXPECT_TRUE(View().LiveUpdates());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace zofar
