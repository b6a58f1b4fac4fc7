#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/DocumentFixture.h"

using namespace zofar;
using namespace zofar::test;

namespace {

// Ten records: UNIQUEID i has frequency 1000 * (11 - i) and station "S<i>", so FREQ order and
// STATION order (S1, S10, S2 ...) differ.
class DocumentSelectionTest : public DocumentFixture {
protected:
    void SetUp() override {
        std::vector<Row> rows;
        for (int i = 1; i <= 10; ++i) {
            rows.emplace_back(1000.0 * (11 - i), "S" + std::to_string(i), i % 2 ? "22:00" : "10:00",
                              i % 2 ? "02:00" : "11:00");
        }
        MakeDatabase("DB", rows);
        Open("DB");
        clock.Set(UtcTime{2026, 12, 6, 23, 30, 0, 7});
        ui.hints.clear();
    }
    int IdAt(int row) { return static_cast<int>(std::get<int64_t>(doc.Store().GetFieldValue(row, kUniqueIdField))); }
    int Requeries() { return static_cast<int>(std::count(ui.hints.begin(), ui.hints.end(), kHintRequeried)); }
};

}  // namespace

TEST_F(DocumentSelectionTest, aVisibleSelectedRecordStaysSelectedAtItsNewPlace) {
    ASSERT_EQ(IdAt(0), 10);   // FREQ order: id 10 has the lowest frequency
    ui.listRows = {2, 0, 9};  // row 2 is id 8, visible
    doc.SortBy("STATION");
    EXPECT_EQ(doc.SortKey(), "STATION");
    EXPECT_EQ(IdAt(doc.CurrentPosition()), 8);
    EXPECT_EQ(ui.hints, (std::vector<int>{kHintRequeried, kHintShowCurrent}));
    EXPECT_EQ(ui.statusTexts.back(), "Ready");
    EXPECT_NE(std::find(ui.statusTexts.begin(), ui.statusTexts.end(), "Sorting and filtering records"),
              ui.statusTexts.end());
}

TEST_F(DocumentSelectionTest, aSelectionScrolledOutOfViewIsDroppedUnlessOnAirNowIsActive) {
    ui.listRows = {9, 0, 3};
    doc.SortBy("STATION");
    EXPECT_EQ(doc.CurrentPosition(), -1);

    ChangeSettings([](DocumentSettings& s) {
        s.criteria.BFOnair = 1;
        s.criteria.BFOnairNow = 1;
        s.bFilter = 0;  // keep every row; only the anchor rule matters here
    });
    ui.listRows = {9, 0, 3};  // middle visible row: (0 + 3) / 2 = 1
    const int middleId = IdAt(1);
    doc.SortBy("FREQ");
    EXPECT_EQ(IdAt(doc.CurrentPosition()), middleId);
}

TEST_F(DocumentSelectionTest, descendingReversesTheKeyOnlyAndANewKeyOrAnotherDatabaseStartsAscending) {
    ASSERT_TRUE(doc.Execute(CommandId::SortDescending));
    EXPECT_TRUE(doc.SortDescending());
    EXPECT_EQ(doc.SortKey(), "FREQ");
    EXPECT_EQ(IdAt(0), 1) << "id 1 has the highest frequency";
    EXPECT_EQ(Requeries(), 1);

    doc.SortBy("STATION");
    EXPECT_FALSE(doc.SortDescending());
    EXPECT_EQ(IdAt(0), 1);  // S1
    ASSERT_TRUE(doc.Execute(CommandId::SortDescending));
    EXPECT_EQ(IdAt(0), 9);  // S9
    EXPECT_EQ(IdAt(1), 8);
    ASSERT_TRUE(doc.Execute(CommandId::SortDescending));
    EXPECT_FALSE(doc.SortDescending());
    EXPECT_EQ(IdAt(0), 1);

    ASSERT_TRUE(doc.Execute(CommandId::SortDescending));
    Open("DB");
    EXPECT_FALSE(doc.SortDescending()) << "a database opens sorted by FREQ, ascending";
    EXPECT_EQ(IdAt(0), 10);
}

TEST_F(DocumentSelectionTest, sortingTwiceByTheSameKeyRequeriesOnce) {
    doc.SortBy("COUNTRY");
    doc.SortBy("COUNTRY");
    EXPECT_EQ(Requeries(), 1);
}

TEST_F(DocumentSelectionTest, withoutADatabaseSortAndFilterChangeNoList) {
    doc.OnDatabaseClose();
    ui.hints.clear();
    doc.SortBy("STATION");
    EXPECT_EQ(doc.SortKey(), "");
    FilterCriteria c = doc.Settings().criteria;
    c.BFStation = 1;
    c.FStation = "S1";
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    EXPECT_EQ(doc.Settings().criteria.FStation, "S1");
    EXPECT_TRUE(ui.hints.empty());
}

TEST_F(DocumentSelectionTest, onAirNowFollowsTheClockAcrossMidnight) {
    FilterCriteria c = doc.Settings().criteria;
    c.BFOnair = 1;
    c.BFOnairNow = 1;
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    EXPECT_EQ(doc.RecordCount(), 5);  // the 22:00-02:00 records at 23:30
    clock.Set(UtcTime{2026, 12, 7, 10, 30, 0, 1});
    doc.RequeryCycle();
    EXPECT_EQ(doc.RecordCount(), 5);  // the 10:00-11:00 records
    clock.Set(UtcTime{2026, 12, 7, 2, 0, 0, 1});
    doc.RequeryCycle();
    EXPECT_EQ(doc.RecordCount(), 0);  // the end minute is off the air
}

TEST_F(DocumentSelectionTest, setFilterWithTheSwitchOffChangesCriteriaButNotTheList) {
    doc.ToggleFilter();  // off; no criterion: only the status pane changes
    EXPECT_FALSE(doc.FilterIsOn());
    EXPECT_EQ(Requeries(), 0);
    FilterCriteria c = doc.Settings().criteria;
    c.BFStation = 1;
    c.FStation = "S1";
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    EXPECT_EQ(doc.RecordCount(), 10);
    EXPECT_EQ(Requeries(), 0);
    doc.ToggleFilter();  // on again: S1 and S10 match the substring
    EXPECT_EQ(Requeries(), 1);
    EXPECT_EQ(doc.RecordCount(), 2);
    EXPECT_EQ(doc.BuildFilterCondition(), "(STATION LIKE '*S1*')");
}

TEST_F(DocumentSelectionTest, anApostropheInAFilterValueIsMatchedLiterally) {
    FilterCriteria c = doc.Settings().criteria;
    c.BFStation = 1;
    c.FStation = "O'Brien";
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    EXPECT_TRUE(ui.storeErrors.empty());
    EXPECT_EQ(doc.RecordCount(), 0);
    EXPECT_TRUE(doc.IsOpen());
}

TEST_F(DocumentSelectionTest, aFilterThatExcludesEverythingLeavesAnEmptyOpenList) {
    FilterCriteria c = doc.Settings().criteria;
    c.BFFrequency = 1;
    c.FFrequency1 = 50000.0;
    c.FFrequency2 = 60000.0;
    ui.listRows = {0, 0, 5};
    ui.filterAnswers.push_back(c);
    doc.SetFilter();
    EXPECT_EQ(doc.RecordCount(), 0);
    EXPECT_EQ(doc.CurrentPosition(), -1);
    EXPECT_EQ(ui.hints.back(), kHintShowCurrent);
}

TEST_F(DocumentSelectionTest, aDeletedOrReplacedDatabaseFileIsToldOnceAndTheListKeepsWorking) {
    const std::string told = "The database file DB.mdb was deleted or replaced; reopen or create it.";
    const auto toldCount = [&] { return std::count(ui.statusTexts.begin(), ui.statusTexts.end(), told); };
    doc.RequeryCycle();
    EXPECT_EQ(toldCount(), 0) << "the file is still there";

    const std::string path = dir.file("DB.mdb");
    ASSERT_TRUE(std::filesystem::exists(path));
    std::filesystem::remove(path);
    doc.RequeryCycle();
    EXPECT_EQ(toldCount(), 1);
    EXPECT_EQ(ui.statusTexts.back(), told);
    doc.SortBy("STATION");
    EXPECT_EQ(toldCount(), 1) << "said once";
    EXPECT_EQ(doc.RecordCount(), 10);
    EXPECT_EQ(IdAt(0), 1);

    // Reopening watches the new file; a file put in its place is noticed as well.
    MakeDatabase("DB", {{1000.0, "A", "00:00", "23:59"}});
    Open("DB");
    ui.statusTexts.clear();
    const std::string other = dir.file("other.mdb");
    std::filesystem::copy_file(path, other);
    std::filesystem::rename(other, path);
    doc.RequeryCycle();
    EXPECT_EQ(toldCount(), 1);
}
