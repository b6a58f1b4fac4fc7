#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "output/RecordRange.h"
#include "support/DocumentFixture.h"

using namespace zofar;
using namespace zofar::test;

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class DocumentExportTest : public DocumentFixture {
protected:
    void SetUp() override {
        MakeDatabase("EXP", {{5900, "BBC", "05:00", "06:00", nullptr, "", "English"},
                             {6005, "DLF", "00:00", "01:00", nullptr, "", "German"},
                             {7200, "RAI", "00:00", "01:00"}});
        Open("EXP");
        ui.statusTexts.clear();
    }

    // The dialog's answer: what it was filled with, changed as the test says.
    ExportChoices Answer(ExportFormat format, const std::string& path, int scopeIndex) {
        ExportChoices answer = ui.exportDialogs.back();
        answer.format = format;
        answer.paths[static_cast<std::size_t>(format)] = path;
        answer.scopeIndex = scopeIndex;
        return answer;
    }
};

}  // namespace

TEST_F(DocumentExportTest, writesTheChosenRecordsAndColumnsAndRemembersTheChoices) {
    doc.Execute(CommandId::Export);  // cancelled: shows what the dialog is filled with
    ASSERT_EQ(ui.exportDialogs.size(), 1u);
    EXPECT_EQ(ui.exportDialogs[0].scopeIndex, 2) << "all records at first";
    EXPECT_EQ(ui.exportDialogs[0].columns.offered.size(), 24u);

    ExportChoices answer = Answer(ExportFormat::Csv, dir.file("out.csv"), 1);
    answer.checks.assign(answer.checks.size(), false);
    answer.checks[1] = answer.checks[0] = true;  // FREQ and STATION
    ui.listRows.firstVisible = 1;
    ui.listRows.lastVisible = 2;
    ui.exportAnswers.push_back(answer);
    const int position = doc.CurrentPosition();
    doc.Execute(CommandId::Export);
    EXPECT_EQ(Read(dir.file("out.csv")), "FREQ,STATION\r\n6005.0,DLF\r\n7200.0,RAI\r\n");
    EXPECT_EQ(ui.statusTexts.back(), "Exported 2 entries to " + dir.file("out.csv") + ".");
    EXPECT_EQ(ui.liveUpdates, (std::vector<bool>{false, true})) << "the list holds still while rows are read";
    EXPECT_EQ(doc.CurrentPosition(), position) << "reading rows does not move the list";

    doc.Execute(CommandId::Export);
    const ExportChoices& again = ui.exportDialogs.back();
    EXPECT_EQ(again.scopeIndex, 1);
    EXPECT_EQ(again.Path(), dir.file("out.csv"));
    EXPECT_EQ(std::count(again.checks.begin(), again.checks.end(), true), 2);
}

TEST_F(DocumentExportTest, bookmarksAndTheMessagesOfAnExportThatStops) {
    doc.Execute(CommandId::Export);
    ui.exportAnswers.push_back(Answer(ExportFormat::Gqrx, dir.file("bookmarks.csv"), 2));
    doc.Execute(CommandId::Export);
    const std::string gqrx = Read(dir.file("bookmarks.csv"));
    EXPECT_NE(gqrx.find("     5900000; BBC 0500 English         ; AM  "), std::string::npos) << gqrx;
    EXPECT_NE(gqrx.find("; ZOFAR,German\n"), std::string::npos);
    EXPECT_EQ(ui.statusTexts.back(), "Exported 3 entries to " + dir.file("bookmarks.csv") + ".");

    ui.listRows.selected = -1;
    ui.exportAnswers.push_back(Answer(ExportFormat::Sdrpp, dir.file("list.json"), 0));
    ui.exportAnswers.push_back(Answer(ExportFormat::Sdrpp, dir.file("missing/list.json"), 2));
    doc.Execute(CommandId::Export);
    doc.Execute(CommandId::Export);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{std::string(kNoRecordSelectedMessage),
                                                     "The folder of \"" + dir.file("missing/list.json") +
                                                         "\" does not exist.\nPlease choose another file."}));
}
