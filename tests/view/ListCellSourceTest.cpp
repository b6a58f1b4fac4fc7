#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/RecordStore.h"
#include "store/SqliteDatabase.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/ListCellSource.h"

namespace zofar {
namespace {

using test::CreateDatabase;
using test::RecordingReporter;
using test::TempDir;

class ListCellSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("LIST.mdb");
        ASSERT_TRUE(CreateDatabase(path,
                                   {{6005.0, "Radio Alpha", "00:00", "01:00", "1234567"},
                                    {5900.0, "BBC", "22:00", "02:00", nullptr},
                                    {9400.0, "Gamma", "12:00", "13:00", "   "}},
                                   reporter));
    }
    void Open() { store.OpenBrowseSet(path, "LIST", BuildSelectText(), BuildSortText("FREQ"), ""); }

    TempDir dir;
    std::string path;
    RecordingReporter reporter;
    RecordStore store{reporter};
    ListCellSource source{store};
};

TEST_F(ListCellSourceTest, suppliesNothingWithoutABrowseSet) {
    EXPECT_FALSE(source.Text(0, 0));
    EXPECT_FALSE(source.OnAir(0, OnAirTest(0, 1)));
}

TEST_F(ListCellSourceTest, cellsShowTheRowsInBrowseOrder) {
    Open();
    EXPECT_EQ(source.Text(0, 0), " 5900.0  ");
    EXPECT_EQ(source.Text(0, 1), "BBC");
    EXPECT_EQ(source.Text(2, 1), "Gamma");
    EXPECT_EQ(source.Text(1, 10), "00:00");
    EXPECT_EQ(source.Text(0, 12), "");  // DAYS Null
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(ListCellSourceTest, markerFollowsTheSampledTime) {
    Open();
    const OnAirTest halfPastMidnight(30, 3);
    EXPECT_EQ(source.OnAir(0, halfPastMidnight), true);       // BBC 22:00-02:00, every day
    EXPECT_EQ(source.OnAir(1, halfPastMidnight), true);       // Radio Alpha 00:00-01:00
    EXPECT_EQ(source.OnAir(2, halfPastMidnight), false);      // Gamma 12:00-13:00
    EXPECT_EQ(source.OnAir(2, OnAirTest(12 * 60, 7)), true);  // blank days: every day
}

TEST_F(ListCellSourceTest, rowsOutsideTheSetSupplyNothing) {
    Open();
    EXPECT_FALSE(source.Text(7, 0));
    EXPECT_FALSE(source.Text(-1, 0));
    EXPECT_FALSE(source.Text(1, 24));  // UNIQUEID is not a list column
    EXPECT_FALSE(source.OnAir(3, OnAirTest(0, 1)));
    EXPECT_EQ(source.Text(1, 1), "Radio Alpha");
}

TEST_F(ListCellSourceTest, cellsAreReadWhereverTheBrowseSetsCursorStands) {
    Open();
    EXPECT_EQ(source.Text(0, 1), "BBC");
    ASSERT_TRUE(store.FindById(3));  // Gamma: the cursor moves to row 2
    EXPECT_EQ(source.Text(0, 1), "BBC");
    EXPECT_EQ(source.Text(1, 1), "Radio Alpha");
}

// The store reports to the document, which tells the list before it shows the message.
class ForwardingReporter : public StoreErrorReporter {
public:
    ListCellSource* source = nullptr;
    std::vector<std::string> errors;
    void ReportStoreError(const std::string& description) override {
        errors.push_back(description);
        if (source) source->NoteStoreError();
    }
};

TEST(ListCellSource, aCellThatCannotBeReadStopsTheReadingUntilReadAgain) {
    TempDir dir;
    RecordingReporter creator;
    const std::string path = dir.file("LIST.mdb");
    ASSERT_TRUE(
        CreateDatabase(path, {{6005.0, "Alpha", "00:00", "01:00"}, {5900.0, "BBC", "22:00", "02:00"}}, creator));
    ForwardingReporter reporter;
    RecordStore store{reporter};
    ListCellSource source{store};
    reporter.source = &source;
    ASSERT_TRUE(store.OpenBrowseSet(path, "LIST", BuildSelectText(), BuildSortText("FREQ"), ""));

    // Another program takes the table away after the list was opened.
    Database other(path, Database::Mode::OpenExisting);
    other.Execute("ALTER TABLE ZOFTABLE RENAME TO ZOFTABLE_AWAY");
    EXPECT_FALSE(source.Text(0, 1));
    EXPECT_FALSE(source.Text(0, 2));
    EXPECT_FALSE(source.OnAir(1, OnAirTest(30, 1)));
    EXPECT_FALSE(source.Text(1, 1));
    EXPECT_EQ(reporter.errors.size(), 1u) << "one message for the screen, not one per cell";
    EXPECT_TRUE(source.Stopped());

    other.Execute("ALTER TABLE ZOFTABLE_AWAY RENAME TO ZOFTABLE");
    EXPECT_FALSE(source.Text(0, 1)) << "reading waits for the next update or tick";
    source.ReadAgain();
    EXPECT_EQ(source.Text(0, 1), "BBC");
    EXPECT_EQ(source.OnAir(1, OnAirTest(30, 1)), true);
    EXPECT_EQ(reporter.errors.size(), 1u);
}

TEST(ListCellSource, anErrorReportedOutsideACellReadDoesNotStopTheList) {
    TempDir dir;
    RecordingReporter creator;
    const std::string path = dir.file("LIST.mdb");
    ASSERT_TRUE(CreateDatabase(path, {{6005.0, "Alpha", "00:00", "01:00"}}, creator));
    ForwardingReporter reporter;
    RecordStore store{reporter};
    ListCellSource source{store};
    reporter.source = &source;
    ASSERT_TRUE(store.OpenBrowseSet(path, "LIST", BuildSelectText(), BuildSortText("FREQ"), ""));
    EXPECT_FALSE(store.FindFirstMatch("NOSUCHFIELD = 1"));
    EXPECT_EQ(reporter.errors.size(), 1u);
    EXPECT_FALSE(source.Stopped());
    EXPECT_EQ(source.Text(0, 1), "Alpha");
}

}  // namespace
}  // namespace zofar
