#include <gtest/gtest.h>

#include <algorithm>

#include "support/DocumentFixture.h"

namespace zofar::test {
namespace {

class DocumentSeasonNoteTest : public DocumentFixture {
protected:
    void SetUp() override {
        UtcTime may2026;
        may2026.year = 2026;
        may2026.month = 5;
        may2026.day = 10;
        clock.Set(may2026);
    }
    int Notes(const std::string& text) const {
        return static_cast<int>(std::count(ui.statusTexts.begin(), ui.statusTexts.end(), text));
    }
};

constexpr const char* kNewerA26 = "A newer schedule (A26) is available: Database > Download schedule...";

TEST_F(DocumentSeasonNoteTest, anOlderDownloadedSeasonIsNotedOnceInTheStatusBar) {
    MakeDatabase("EIBI-B25", {Row(6000, "DW", "0000", "0100")});
    Open("EIBI-B25");
    EXPECT_EQ(Notes(kNewerA26), 1);
    EXPECT_TRUE(ui.messages.empty());
    doc.OnDatabaseClose();
    Open("EIBI-B25");
    EXPECT_EQ(Notes(kNewerA26), 1);
}

TEST_F(DocumentSeasonNoteTest, theCurrentSeasonAndOtherDatabasesAreNotNoted) {
    MakeDatabase("EIBI-A26", {Row(6000, "DW", "0000", "0100")});
    MakeDatabase("B25", {Row(6000, "DW", "0000", "0100")});
    Open("EIBI-A26");
    doc.OnDatabaseClose();
    Open("B25");
    for (const auto& text : ui.statusTexts) EXPECT_EQ(text.find("newer schedule"), std::string::npos) << text;
}

TEST_F(DocumentSeasonNoteTest, withoutAClientTheDownloadCommandDoesNothing) {
    ui.fetchAnswers.push_back(FetchChoices{"eibi", "a26", "http://127.0.0.1:1/dx/"});
    EXPECT_TRUE(doc.Execute(CommandId::DownloadSchedule));
    EXPECT_TRUE(ui.fetchDialogs.empty());
}

}  // namespace
}  // namespace zofar::test
