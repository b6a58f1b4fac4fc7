#include <gtest/gtest.h>

#include "support/DocumentFixture.h"

using namespace zofar;
using namespace zofar::test;

namespace {

// In frequency order: 6005 Deutschlandfunk, 6055 BBC, 6055 Radio Nikkei, 7000 (no station),
// 9420 ERT, 15000 Radio O'Brien, 17000 Adventist World Radio. The first "*radio*" is Radio
// Nikkei in this order and Adventist World Radio in station order.
class DocumentGoToTest : public DocumentFixture {
protected:
    void SetUp() override {
        MakeDatabase("DB", {
                               {9420, "ERT", "05:00", "08:00", nullptr, "Greece", "", "GRC"},
                               {6055, "Radio Nikkei", "09:00", "10:00", nullptr, "Japan", "", "J"},
                               {6005, "Deutschlandfunk", "00:00", "23:59", nullptr, "Germany", "", "D"},
                               {15000, "Radio O'Brien", "12:00", "13:00", nullptr, "Ireland", "", "IRL"},
                               {6055, "BBC", "06:00", "07:00", nullptr, "United Kingdom", "", "G"},
                               {7000, "", "01:00", "02:00", nullptr, "Denmark", "", "DNK"},
                               {17000, "Adventist World Radio", "03:00", "04:00", nullptr, "USA", "", "USA"},
                           });
        Open("DB");
        ui.hints.clear();
    }
    std::string StationAtCurrent() {
        const FieldValue v = doc.Store().GetFieldValue(doc.CurrentPosition(), 1);
        return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : "<none>";
    }
    void GoToStation(const std::string& text, bool exactMatch = false) {
        ui.goToTextAnswers.push_back(GoToTextEntry{text, exactMatch});
        doc.Execute(CommandId::GoToStation);
    }
};

}  // namespace

TEST_F(DocumentGoToTest, goToStationWhileSortedByFrequencyResortsByStationBeforeItSearches) {
    ASSERT_EQ(doc.SortKey(), "FREQ");
    GoToStation("radio");
    ASSERT_EQ(ui.goToTextDialogs.size(), 1u);
    EXPECT_EQ(ui.goToTextDialogs[0], std::make_pair(std::string("Station"), GoToMode::Choice));
    EXPECT_EQ(doc.SortKey(), "STATION");
    EXPECT_EQ(StationAtCurrent(), "Adventist World Radio");
    EXPECT_EQ(ui.hints.back(), kHintShowCurrent);
    EXPECT_TRUE(ui.messages.empty());

    GoToStation("radio", true);  // exact: no station is called just "radio"
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No record found!"});
}

TEST_F(DocumentGoToTest, exactModeColumnsSearchTheTextAsTypedWithItsWildcards) {
    ui.goToTextAnswers.push_back(GoToTextEntry{"D*", false});
    doc.Execute(CommandId::GoToItu);
    ASSERT_EQ(ui.goToTextDialogs.size(), 1u);
    EXPECT_EQ(ui.goToTextDialogs[0], std::make_pair(std::string("ITU"), GoToMode::Exact));
    EXPECT_EQ(doc.SortKey(), "ITU");
    // ITU order: D, DNK, G, ...; the first code beginning with D.
    EXPECT_EQ(StationAtCurrent(), "Deutschlandfunk");
}

TEST_F(DocumentGoToTest, anEmptyTextFindsTheRecordWithoutStationAndAnApostropheIsMatchedLiterally) {
    GoToStation("");
    EXPECT_EQ(StationAtCurrent(), "");
    EXPECT_EQ(ui.hints.back(), kHintShowCurrent);
    GoToStation("O'Brien");
    EXPECT_EQ(StationAtCurrent(), "Radio O'Brien");
    EXPECT_TRUE(ui.storeErrors.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentGoToTest, aRecordTheFilterHidesIsNotFoundAndTheListIsRepaintedBeforeTheMessage) {
    FilterCriteria c = doc.Settings().criteria;
    c.BFStation = 1;
    c.FStation = "ERT";
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    ASSERT_EQ(doc.RecordCount(), 1);
    ui.hints.clear();

    GoToStation("Nikkei");
    EXPECT_EQ(doc.CurrentPosition(), -1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No record found!"});
    EXPECT_EQ(ui.hints.back(), kHintRepaint);
    EXPECT_EQ(doc.RecordCount(), 1);  // the filter stays
}

TEST_F(DocumentGoToTest, goToFrequencyFindsTheLowestFrequencyAtOrAboveAndAmongEqualOnesTheFirstStation) {
    doc.SortBy("STATION");
    ui.goToFrequencyAnswers.push_back(6055.0);
    doc.Execute(CommandId::GoToFrequency);
    EXPECT_EQ(doc.SortKey(), "FREQ");
    EXPECT_EQ(StationAtCurrent(), "BBC");

    ui.goToFrequencyAnswers.push_back(6056.0);
    doc.Execute(CommandId::GoToFrequency);
    EXPECT_EQ(StationAtCurrent(), "");  // 7000 kHz

    ui.goToFrequencyAnswers.push_back(30000.0);
    doc.Execute(CommandId::GoToFrequency);
    EXPECT_EQ(doc.CurrentPosition(), -1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No record found!"});
}

TEST_F(DocumentGoToTest, cancelChangesNothingAndWithoutADatabaseNoDialogOpens) {
    doc.Execute(CommandId::GoToStation);  // the unscripted dialog answers Cancel
    doc.Execute(CommandId::GoToFrequency);
    EXPECT_EQ(doc.SortKey(), "FREQ");
    EXPECT_TRUE(ui.hints.empty());
    EXPECT_TRUE(ui.messages.empty());

    doc.OnDatabaseClose();
    ui.goToTextDialogs.clear();
    GoToStation("ERT");
    EXPECT_TRUE(ui.goToTextDialogs.empty());
    EXPECT_EQ(ui.goToTextAnswers.size(), 1u);  // never asked for
}

TEST_F(DocumentGoToTest, everyKeyColumnsGoToCommandOpensItsDialogWithItsLabelAndMode) {
    for (const KeyColumn& key : kKeyColumns) {
        if (key.goToMode == GoToMode::Number) continue;
        ui.goToTextDialogs.clear();
        EXPECT_TRUE(doc.Execute(key.goToCommand));
        ASSERT_EQ(ui.goToTextDialogs.size(), 1u) << key.column;
        EXPECT_EQ(ui.goToTextDialogs[0].first, key.goToLabel);
        EXPECT_EQ(ui.goToTextDialogs[0].second, key.goToMode);
    }
}
