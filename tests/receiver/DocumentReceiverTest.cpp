#include <gtest/gtest.h>

#include "document/SettingsFile.h"
#include "receiver/LittleEndian.h"
#include "receiver/ReceiverRecord.h"
#include "support/DocumentFixture.h"

using namespace zofar;
using namespace zofar::test;

namespace {

// Frequency order: 6084.9999999 Radio Exterior, 9420 ERT, 3000000 FAR AWAY.
class DocumentReceiverTest : public DocumentFixture {
protected:
    void SetUp() override {
        MakeDatabase("DB", {
                               {9420.0, "ERT", "05:00", "08:00", nullptr, "Greece", "", "GRC"},
                               {6084.9999999, "Radio Exterior", "00:00", "23:59", nullptr, "España", "", "E"},
                               {3000000.0, "FAR AWAY", "00:00", "23:59"},
                           });
        Open("DB");
        ui.hints.clear();
    }
    void Select(int row) { ui.listRows = {row, 0, 2}; }
    std::string StationAtCurrent() {
        return std::get<std::string>(doc.Store().GetFieldValue(doc.CurrentPosition(), 1));
    }
    void Report(uint32_t dwData, int32_t hz, std::size_t size = 4) {
        std::vector<uint8_t> data(size);
        if (size >= 4) PutU32LittleEndian(data.data(), static_cast<uint32_t>(hz));
        doc.OnReceiverData(dwData, data);
    }
};

}  // namespace

TEST_F(DocumentReceiverTest, tuneAndFindStationSendTheSelectedRecordAndDifferOnlyInTheMessageType) {
    Select(0);
    doc.Execute(CommandId::Tune);
    doc.Execute(CommandId::FindCreateStation);
    ASSERT_EQ(ui.sentFrames.size(), 2u);
    const auto& [name, tune] = ui.sentFrames[0];
    const LinkFrame& find = ui.sentFrames[1].second;
    EXPECT_EQ(name, "VESTRIX");
    EXPECT_EQ(tune.dwData, 1002u);
    EXPECT_EQ(find.dwData, 2002u);
    EXPECT_EQ(tune.senderName, "ZOFAR");
    EXPECT_EQ(tune.data, find.data);
    ASSERT_EQ(tune.data.size(), 160u);
    const auto record = DecodeReceiverRecord(tune.data);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->hz, 6085000);
    EXPECT_EQ(record->station, "Radio Exterior");
    EXPECT_EQ(record->location, "");
    EXPECT_EQ(record->country, "España");
    EXPECT_EQ(record->itu, "E");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentReceiverTest, withoutASelectionOrWithAFrequencyBeyondTheLinkNothingIsSent) {
    doc.OnTune();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No station selected!\nPlease select a station."});

    Select(2);  // 3000000 kHz is 3e9 Hz, beyond a signed 32-bit field
    doc.OnTune();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1],
              "The frequency 3000000.0 kHz cannot be sent to the receiver control program.\n"
              "Please select a station below 2147483 kHz.");
    EXPECT_TRUE(ui.sentFrames.empty());
}

TEST_F(DocumentReceiverTest, aProgramThatIsNotActiveIsNamedAndTheNameComesFromTheDialog) {
    ui.receiverNameAnswers.push_back(std::string("  My Radio"));
    doc.Execute(CommandId::ReceiverProgram);
    EXPECT_EQ(ui.receiverNameDialogs, std::vector<std::string>{"VESTRIX"});
    EXPECT_EQ(doc.Settings().applicationName, "  My Radio");

    ui.receiverActive = false;
    Select(1);
    doc.OnFindCreateStation();
    ASSERT_EQ(ui.sentFrames.size(), 1u);
    EXPECT_EQ(ui.sentFrames[0].first, "  My Radio");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"  My Radio is not active!"});

    doc.OnReceiverProgram();  // Cancel keeps the name
    EXPECT_EQ(doc.Settings().applicationName, "  My Radio");
    ui.receiverNameAnswers.push_back(std::string());
    doc.OnReceiverProgram();
    EXPECT_EQ(doc.Settings().applicationName, "");
    ASSERT_TRUE(doc.SaveSettings());
    DocumentSettings saved;
    LoadSettingsFile(SettingsPath(), saved);
    EXPECT_EQ(saved.applicationName, "");
}

TEST_F(DocumentReceiverTest, aFrequencyReportResortsByFrequencyAndSelectsTheFirstRecordAtOrAboveIt) {
    doc.SortBy("STATION");
    ui.hints.clear();
    Report(10001, 9420999);  // looks for FREQ >= 9420.0
    EXPECT_EQ(doc.SortKey(), "FREQ");
    EXPECT_EQ(StationAtCurrent(), "ERT");
    EXPECT_EQ(ui.hints.back(), kHintShowCurrent);

    Report(10001, 999);  // FREQ >= 0.0
    EXPECT_EQ(StationAtCurrent(), "Radio Exterior");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentReceiverTest, aReportWhileAPrintoutWalksTheRowsIsDroppedAndTheNextOneMovesTheList) {
    doc.SortBy("STATION");
    PrintRequest preview{PrintAction::Preview, {}};
    preview.choices.scopeIndex = 2;  // all records
    ui.printAnswers.push_back(preview);
    ui.duringPrintJob = [this] { Report(10001, 9420000); };
    doc.PrintCommand();
    ASSERT_EQ(ui.printRuns.size(), 1u);
    EXPECT_EQ(doc.SortKey(), "STATION") << "the printout's rows stay in their order";
    ui.duringPrintJob = nullptr;
    Report(10001, 9420000);
    EXPECT_EQ(doc.SortKey(), "FREQ");
}

TEST_F(DocumentReceiverTest, aReportAboveEveryRecordIsNotFoundInTheMessagePaneWithoutARepaintButStillResorts) {
    FilterCriteria c = doc.Settings().criteria;  // hides FAR AWAY, above every frequency in Hz
    c.BFFrequency = 1;
    c.FFrequency1 = 0;
    c.FFrequency2 = 10000;
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    doc.SortBy("STATION");
    ui.hints.clear();
    ui.statusTexts.clear();
    Report(10001, 10000001);
    EXPECT_EQ(doc.SortKey(), "FREQ");
    EXPECT_EQ(doc.CurrentPosition(), -1);
    // The dial may turn on past the last record: no box may stand in the way at each report.
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_FALSE(ui.statusTexts.empty());
    EXPECT_EQ(ui.statusTexts.back(), "No record found at or above 10000 kHz.");
    EXPECT_EQ(std::count(ui.hints.begin(), ui.hints.end(), kHintRepaint), 0);
    Report(10001, 10000001);
    EXPECT_TRUE(ui.messages.empty());
    // A report that finds a record takes the line away again.
    ui.statusTexts.clear();
    Report(10001, 0);
    EXPECT_EQ(ui.statusTexts, std::vector<std::string>{""});
}

TEST_F(DocumentReceiverTest, otherMessagesShortReportsAndAnyMessageWithoutADatabaseAreIgnored) {
    doc.SortBy("STATION");
    ui.hints.clear();
    Report(1002, 9420000);
    Report(10002, 9420000);
    Report(10001, 9420000, 3);
    EXPECT_EQ(doc.SortKey(), "STATION");
    EXPECT_TRUE(ui.hints.empty());

    doc.OnDatabaseClose();
    ui.hints.clear();
    Report(10001, 9420000);
    Select(0);
    doc.OnTune();
    doc.OnFindCreateStation();
    EXPECT_TRUE(ui.hints.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.sentFrames.empty());
}
