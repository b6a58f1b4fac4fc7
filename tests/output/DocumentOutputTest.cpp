#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "output/ClipboardText.h"
#include "output/RecordRange.h"
#include "support/DocumentFixture.h"

using namespace zofar;
using namespace zofar::test;

namespace {

constexpr std::size_t kFreq = 0;
constexpr std::size_t kStation = 1;
constexpr std::size_t kStn = 2;
constexpr std::size_t kModu = 3;

std::string Padded(const std::string& station) { return station + std::string(22 - station.size(), ' '); }

class DocumentOutputTest : public DocumentFixture {
protected:
    void SetUp() override {
        MakeDatabase("OUT", {{5900, "BBC", "00:00", "01:00"},
                             {6005, "DLF", "00:00", "01:00"},
                             {7200, "RAI", "00:00", "01:00"},
                             {9400, "ERT", "00:00", "01:00"},
                             {15435, "VOA", "00:00", "01:00"}});
        Open("OUT");
        clock.Set(UtcTime{2026, 12, 6, 23, 30, 0, 7});
        ui.statusTexts.clear();
    }

    // The list as the user left it: STATION dragged to the left of FREQ, modu dragged shut.
    static ColumnLayout MovedLayout() {
        ColumnLayout layout;
        std::swap(layout.order[kFreq], layout.order[kStation]);
        layout.widths[kModu] = 5;
        return layout;
    }

    static std::vector<bool> OnlyLines(std::size_t count, std::initializer_list<std::size_t> lines) {
        std::vector<bool> checks(count, false);
        for (auto line : lines) checks[line] = true;
        return checks;
    }

    PrintRequest PrintAnswer(PrintAction action, int scopeIndex, int fontHeight) {
        PrintRequest request{action, {}};
        request.choices.scopeIndex = scopeIndex;
        request.choices.fontHeight = fontHeight;
        return request;
    }
};

}  // namespace

TEST_F(DocumentOutputTest, clipboardAndPrintOpenNoDialogWithoutRecords) {
    MakeDatabase("EMPTY", {});
    Open("EMPTY");
    EXPECT_TRUE(doc.Execute(CommandId::Clipboard));
    EXPECT_TRUE(doc.Execute(CommandId::Print));
    doc.OnDatabaseClose();
    doc.Execute(CommandId::Clipboard);
    doc.Execute(CommandId::Print);
    EXPECT_TRUE(ui.clipboardDialogs.empty());
    EXPECT_TRUE(ui.printDialogs.empty());
    EXPECT_TRUE(ui.liveUpdates.empty());
}

TEST_F(DocumentOutputTest, clipboardDialogOffersTheShownColumnsAndItsChoicesAreKeptAndCopied) {
    ChangeSettings([](DocumentSettings& s) {
        s.output.clipbRecordSel = 2;
        s.output.clipbUseTabs = 1;
        s.output.clipbColumns[kStn] = false;
    });
    ui.layout = MovedLayout();
    ClipboardChoices answer;
    answer.scopeIndex = 2;
    answer.useTabs = false;
    answer.checks = OnlyLines(23, {0, 1});  // STATION and FREQ, the two leftmost lines
    ui.clipboardAnswers.push_back(answer);

    doc.Execute(CommandId::Clipboard);

    ASSERT_EQ(ui.clipboardDialogs.size(), 1u);
    const ClipboardChoices& shown = ui.clipboardDialogs[0];
    EXPECT_EQ(shown.scopeIndex, 1);
    EXPECT_TRUE(shown.useTabs);
    ASSERT_EQ(shown.columns.offered.size(), 23u) << "modu is hidden";
    EXPECT_EQ(shown.columns.positions[shown.columns.offered[0]].name, "STATION");
    EXPECT_EQ(shown.columns.positions[shown.columns.offered[3]].name, "STATUS");
    EXPECT_EQ(shown.checks,
              OnlyLines(23, {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}));

    const OutputOptions& out = doc.Settings().output;
    EXPECT_EQ(out.clipbRecordSel, 3);
    EXPECT_EQ(out.clipbUseTabs, 0);
    EXPECT_TRUE(out.clipbColumns[kStation] && out.clipbColumns[kFreq]);
    EXPECT_FALSE(out.clipbColumns[kStn]);
    EXPECT_TRUE(out.clipbColumns[kModu]) << "a hidden column keeps its flag";
    EXPECT_EQ(doc.Settings().layout, MovedLayout());

    ASSERT_EQ(ui.clipboardTexts.size(), 1u);
    EXPECT_EQ(ui.clipboardTexts[0], Padded("BBC") + "  5900.0 \n" + Padded("DLF") + "  6005.0 \n" + Padded("RAI") +
                                        "  7200.0 \n" + Padded("ERT") + "  9400.0 \n" + Padded("VOA") + " 15435.0 ");
    EXPECT_EQ(ui.statusTexts, (std::vector<std::string>{"Copying records to the clipboard", "Ready"}));
    EXPECT_EQ(ui.liveUpdates, (std::vector<bool>{false, true}));
    EXPECT_EQ(ui.maxWaitDepth, 1);
    EXPECT_EQ(ui.waitDepth, 0);

    // Cancel changes nothing and copies nothing.
    const DocumentSettings before = doc.Settings();
    doc.Execute(CommandId::Clipboard);
    EXPECT_EQ(doc.Settings().output, before.output);
    EXPECT_EQ(ui.clipboardTexts.size(), 1u);
}

TEST_F(DocumentOutputTest, clipboardStopsWithItsMessageAndKeepsTheChoices) {
    struct {
        const char* what;
        int scopeIndex;
        bool anyColumn;
        std::string message;
    } const cases[] = {
        {"no row selected", 0, true, std::string(kNoRecordSelectedMessage)},
        {"no column checked", 2, false, std::string(kNoColumnSelectedMessage)},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        ui.statusTexts.clear();
        ui.liveUpdates.clear();
        ui.listRows = {-1, 0, 4};
        ClipboardChoices answer;
        answer.scopeIndex = c.scopeIndex;
        answer.checks.assign(24, c.anyColumn);
        ui.clipboardAnswers.push_back(answer);
        doc.Execute(CommandId::Clipboard);
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message}) << c.what;
        EXPECT_TRUE(ui.clipboardTexts.empty()) << c.what;
        EXPECT_EQ(doc.Settings().output.clipbRecordSel, c.scopeIndex + 1) << c.what;
        EXPECT_EQ(ui.statusTexts.back(), "Ready") << c.what;
        EXPECT_EQ(ui.liveUpdates, (std::vector<bool>{false, true})) << c.what;
        EXPECT_EQ(ui.waitDepth, 0) << c.what;
    }
}

TEST_F(DocumentOutputTest, printHandsTheChosenPagesOverWhileTheListRests) {
    ChangeSettings([](DocumentSettings& s) {
        s.output.printBorderTop = 12;
        s.output.printRecordSel = 2;
        s.output.printColumns[kStn] = false;
        s.criteria.BFFrequency = 1;  // keeps every record
    });
    ui.layout = MovedLayout();
    PrintRequest answer = PrintAnswer(PrintAction::Print, 2, 10);
    answer.choices.borderTop = 11;
    answer.choices.borderBottom = 16;
    answer.choices.borderLeft = 21;
    answer.choices.borderRight = 14;
    answer.choices.checks = OnlyLines(23, {0, 1});
    ui.printAnswers.push_back(answer);

    doc.Execute(CommandId::Print);

    ASSERT_EQ(ui.printDialogs.size(), 1u);
    const PrintChoices& shown = ui.printDialogs[0];
    EXPECT_EQ(shown.scopeIndex, 1);
    EXPECT_EQ(shown.borderTop, 12);
    EXPECT_EQ(shown.borderBottom, 15);
    EXPECT_EQ(shown.borderLeft, 20);
    EXPECT_EQ(shown.borderRight, 15);
    EXPECT_EQ(shown.fontHeight, 8);
    EXPECT_FALSE(shown.checks[2]) << "STN";

    const OutputOptions& out = doc.Settings().output;
    EXPECT_EQ(out.printRecordSel, 3);
    EXPECT_EQ(out.printBorderTop, 11);
    EXPECT_EQ(out.printBorderBottom, 16);
    EXPECT_EQ(out.printBorderLeft, 21);
    EXPECT_EQ(out.printBorderRight, 14);
    EXPECT_EQ(out.printFontHeight, 10);
    EXPECT_TRUE(out.printColumns[kModu]) << "a hidden column keeps its flag";

    ASSERT_EQ(ui.printRuns.size(), 1u);
    const auto& run = ui.printRuns[0];
    EXPECT_EQ(run.action, PrintAction::Print);
    EXPECT_EQ(run.page.range, (RecordRange{0, 4}));
    EXPECT_EQ(run.page.printDate, "12/06/2026");
    EXPECT_EQ(run.page.databaseName, "OUT");
    EXPECT_EQ(run.page.filter, "Frequency 0-1000000 kHz") << "the filter in words, not its condition";
    EXPECT_EQ(run.page.sortKey, "FREQ");
    EXPECT_EQ(run.page.borderTop, 11);
    EXPECT_EQ(run.page.fontHeight, 10);
    EXPECT_EQ(run.page.layout, MovedLayout());
    EXPECT_EQ(run.page.columns, out.printColumns);
    EXPECT_EQ(run.waitDepth, 1);
    EXPECT_FALSE(run.liveUpdates);
    EXPECT_EQ(ui.liveUpdates.back(), true);
    EXPECT_EQ(ui.waitDepth, 0);
    EXPECT_EQ(ui.printDialogs.size(), 1u) << "printing does not bring the dialog back";
}

TEST_F(DocumentOutputTest, cancelledPrintDialogStoresNothingAndPrintsNothing) {
    const OutputOptions before = doc.Settings().output;
    doc.Execute(CommandId::Print);
    EXPECT_EQ(ui.printDialogs.size(), 1u);
    EXPECT_EQ(doc.Settings().output, before);
    EXPECT_TRUE(ui.printRuns.empty());
    EXPECT_TRUE(ui.liveUpdates.empty());
}

TEST_F(DocumentOutputTest, printWithoutASelectedRowKeepsTheChoicesAndPrintsNothing) {
    ui.listRows = {-1, 0, 4};
    ui.printAnswers.push_back(PrintAnswer(PrintAction::Preview, 0, 12));
    doc.Execute(CommandId::Print);
    EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(kNoRecordSelectedMessage)});
    EXPECT_EQ(doc.Settings().output.printFontHeight, 12);
    EXPECT_TRUE(ui.printRuns.empty());
    EXPECT_EQ(ui.liveUpdates, (std::vector<bool>{false, true}));
    EXPECT_EQ(ui.printDialogs.size(), 1u);
}

TEST_F(DocumentOutputTest, closingThePreviewBringsTheDialogBackWithTheChoicesJustMade) {
    ui.listRows = {3, 0, 4};
    ui.printAnswers.push_back(PrintAnswer(PrintAction::Preview, 0, 9));
    ui.printAnswers.push_back(PrintAnswer(PrintAction::Preview, 0, 10));
    ui.printResults.push_back({true, 2});   // closed: the dialog comes back
    ui.printResults.push_back({false, 2});  // printed from the preview: it does not
    doc.Execute(CommandId::Print);

    ASSERT_EQ(ui.printDialogs.size(), 2u);
    EXPECT_EQ(ui.printDialogs[1].fontHeight, 9);
    ASSERT_EQ(ui.printRuns.size(), 2u);
    EXPECT_EQ(ui.printRuns[0].page.range, (RecordRange{3, 3}));
    EXPECT_EQ(ui.printRuns[1].previewPages, 2) << "the preview opens as it was left";
    EXPECT_EQ(doc.Settings().previewPages, 2);
    EXPECT_EQ(ui.liveUpdates, (std::vector<bool>{false, true, false, true}));
}
