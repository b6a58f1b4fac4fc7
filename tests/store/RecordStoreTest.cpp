#include <gtest/gtest.h>

#include <fstream>

#include "store/ColumnTable.h"
#include "store/RecordStore.h"
#include "store/SqliteDatabase.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

using namespace zofar;
using namespace zofar::test;

namespace {

class RecordStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("TEST.mdb");
        ASSERT_TRUE(CreateDatabase(path,
                                   {{6005.0, "Radio Alpha", "00:00", "01:00", "1234567"},
                                    {5900.0, "BBC", "22:00", "02:00", nullptr},
                                    {9400.0, "alpha FM", "12:00", "13:00", ""},
                                    {5900.0, "Zeta", "06:00", "07:00", "67"}},
                                   reporter));
    }
    bool Open(const std::string& sortKey, const std::string& condition = "") {
        return store.OpenBrowseSet(path, "TEST", BuildSelectText(), BuildSortText(sortKey), condition);
    }
    std::vector<int> Ids() {
        std::vector<int> ids;
        for (int r = 0; r < store.RecordCount(); ++r)
            ids.push_back(static_cast<int>(std::get<int64_t>(store.GetFieldValue(r, kUniqueIdField))));
        return ids;
    }

    TempDir dir;
    std::string path;
    RecordingReporter reporter;
    RecordStore store{reporter};
};

}  // namespace

TEST(QueryTexts, sortTextAddsStationOnlyForExactlyFreq) {
    EXPECT_EQ(BuildSortText("FREQ"), "FREQ, STATION");
    EXPECT_EQ(BuildSortText("freq"), "freq, FREQ");
    EXPECT_EQ(BuildSortText("COUNTRY"), "COUNTRY, FREQ");
    EXPECT_EQ(BuildSortText("STATION", true), "STATION DESC, FREQ");
    EXPECT_EQ(BuildSortText("FREQ", true), "FREQ DESC, STATION");
}

TEST(QueryTexts, queryWithoutConditionHasNoWhere) {
    EXPECT_EQ(BuildQueryText("SELECT X FROM ZOFTABLE", "", "FREQ, STATION"),
              "SELECT X FROM ZOFTABLE ORDER BY FREQ, STATION");
    EXPECT_EQ(BuildQueryText("SELECT X FROM ZOFTABLE", "(FREQ BETWEEN 5900.0 AND 6200.0)", "STATION, FREQ"),
              "SELECT X FROM ZOFTABLE WHERE (FREQ BETWEEN 5900.0 AND 6200.0) ORDER BY STATION, FREQ");
    EXPECT_EQ(BuildSelectText().rfind("SELECT FREQ, STATION, STN,", 0), 0u);
}

TEST_F(RecordStoreTest, openSortsAndStandsOnTheLastRow) {
    ASSERT_TRUE(Open("FREQ"));
    EXPECT_EQ(store.RecordCount(), 4);
    EXPECT_EQ(Ids(), (std::vector<int>{2, 4, 1, 3}));  // 5900 BBC, 5900 Zeta, 6005, 9400
    EXPECT_TRUE(store.IsOpen());
    EXPECT_EQ(store.DatabaseName(), "TEST");
}

TEST_F(RecordStoreTest, valuesComeBackTypedAndWithoutTrailingBlanks) {
    ASSERT_TRUE(Open("FREQ"));
    EXPECT_EQ(std::get<double>(store.GetFieldValue(2, 0)), 6005.0);
    EXPECT_EQ(TextOf(store.GetFieldValue(2, 1)), "Radio Alpha");
    EXPECT_EQ(TextOf(store.GetFieldValue(2, 9)), "");  // LC: one blank stored as empty text
    EXPECT_FALSE(IsNull(store.GetFieldValue(2, 9)));
    EXPECT_TRUE(IsNull(store.GetFieldValue(0, 12)));  // DAYS Null
    EXPECT_TRUE(IsNull(store.GetFieldValue(0, 3)));   // never set
    EXPECT_TRUE(IsNull(store.GetFieldValue(99, 0)));
}

TEST_F(RecordStoreTest, aTableWrittenByAnotherToolReadsAsTheStoresTypes) {
    // Without the store's schema a FREQ may hold an integer and a text column a blob.
    {
        Database other(dir.file("OTHER.mdb"), Database::Mode::CreateNew);
        std::string columns = "UNIQUEID INTEGER PRIMARY KEY";
        for (int c = 1; c < kColumnCount; ++c) columns += ", " + std::string(kColumnTable[static_cast<size_t>(c)].name);
        other.Execute("CREATE TABLE ZOFTABLE (" + columns + ")");
        other.Execute("INSERT INTO ZOFTABLE (FREQ, STATION, STN) VALUES (6005, x'4142', 7)");
    }
    ASSERT_TRUE(store.OpenBrowseSet(dir.file("OTHER.mdb"), "OTHER", BuildSelectText(), "UNIQUEID", ""));
    EXPECT_EQ(store.GetFieldValue(0, 0), FieldValue(6005.0));
    EXPECT_EQ(store.GetFieldValue(0, 1), FieldValue(std::string("AB")));
    EXPECT_EQ(store.GetFieldValue(0, 2), FieldValue(int64_t{7}));
    EXPECT_EQ(store.GetFieldValue(0, kUniqueIdField), FieldValue(int64_t{1}));
}

TEST_F(RecordStoreTest, rowsAreFetchedAPageAtATime) {
    ASSERT_TRUE(Open("STATION"));
    for (int r = 0; r < store.RecordCount(); ++r)
        for (int f = 0; f < 25; ++f) store.GetFieldValue(r, f);
    EXPECT_EQ(store.RowFetchQueries(), 1);
}

TEST_F(RecordStoreTest, stationOrderIgnoresCase) {
    ASSERT_TRUE(Open("STATION"));
    EXPECT_EQ(Ids(), (std::vector<int>{3, 2, 1, 4}));  // alpha FM, BBC, Radio Alpha, Zeta
}

TEST_F(RecordStoreTest, requeryWithAConditionCountsOnlyMatchingRows) {
    ASSERT_TRUE(Open("FREQ"));
    ASSERT_TRUE(store.RequeryBrowseSet("STATION, FREQ", "(STATION LIKE '*alpha*')"));
    EXPECT_EQ(Ids(), (std::vector<int>{3, 1}));
    EXPECT_FALSE(store.RequeryBrowseSet("FREQ, STATION", "(STATION LIKE 'nothing')"));
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_TRUE(store.IsOpen());
    EXPECT_EQ(store.RecordCount(), 0);
}

TEST_F(RecordStoreTest, emptyResultKeepsTheDatabaseOpenSilently) {
    EXPECT_FALSE(Open("FREQ", "(FREQ > 100000.0)"));
    EXPECT_TRUE(store.IsOpen());
    EXPECT_TRUE(store.HasBrowseSet());
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(RecordStoreTest, findByIdSetsTheCurrentPosition) {
    ASSERT_TRUE(Open("FREQ"));
    EXPECT_TRUE(store.FindById(1));
    EXPECT_EQ(store.CurrentPosition(), 2);
    EXPECT_FALSE(store.FindById(-1));
    EXPECT_EQ(store.CurrentPosition(), -1);
    store.SetCurrentPosition(3);
    EXPECT_FALSE(store.FindById(0));
    EXPECT_EQ(store.CurrentPosition(), -1);
}

TEST_F(RecordStoreTest, findFirstMatchFollowsBrowseOrder) {
    ASSERT_TRUE(Open("STATION"));
    EXPECT_TRUE(store.FindFirstMatch("FREQ >= 6000"));
    EXPECT_EQ(store.CurrentPosition(), 0);  // alpha FM comes first by station
    EXPECT_FALSE(store.FindFirstMatch("FREQ > 50000"));
    EXPECT_EQ(store.CurrentPosition(), -1);
    EXPECT_FALSE(store.FindFirstMatch("FREQ >>> 1"));
    EXPECT_EQ(reporter.errors.size(), 1u);
}

TEST_F(RecordStoreTest, currentRecordIdChoosesSelectionThenMiddleRow) {
    ASSERT_TRUE(Open("FREQ"));
    EXPECT_EQ(store.CurrentRecordId({1, 0, 3}, false), 4);
    EXPECT_EQ(store.CurrentRecordId({3, 0, 2}, false), -1);  // selection scrolled out of view
    EXPECT_EQ(store.CurrentRecordId({3, 0, 2}, true), 4);    // middle of 0..2 is row 1
    EXPECT_EQ(store.CurrentRecordId({-1, 1, 3}, true), 1);   // (1 + 3) / 2 = row 2
}

TEST_F(RecordStoreTest, readRecordSummaryGivesEmptyTextsForNull) {
    ASSERT_TRUE(Open("FREQ"));
    RecordSummary s;
    ASSERT_TRUE(store.ReadRecordSummary(2, s));
    EXPECT_EQ(s.freq, 6005.0);
    EXPECT_EQ(s.station, "Radio Alpha");
    EXPECT_EQ(s.location, "");
}

TEST_F(RecordStoreTest, aSecondStatementOrAWriteIsRefusedAndChangesNothing) {
    ASSERT_TRUE(Open("FREQ"));
    EXPECT_FALSE(store.RequeryBrowseSet("FREQ, STATION", "1=1; DELETE FROM ZOFTABLE"));
    EXPECT_FALSE(store.RequeryBrowseSet("FREQ, STATION", "(SELECT count(*) FROM sqlite_master) > 0"));
    EXPECT_FALSE(store.FindFirstMatch("UNIQUEID IN (SELECT 1 FROM pragma_table_info('ZOFTABLE'))"));
    EXPECT_EQ(reporter.errors.size(), 3u);
    EXPECT_EQ(store.RecordCount(), 4);  // the failed requery keeps the old rows
    store.CloseStore();
    ASSERT_TRUE(Open("FREQ"));
    EXPECT_EQ(store.RecordCount(), 4);
}

TEST_F(RecordStoreTest, tooLongOrWronglyTypedValuesAreRefused) {
    RecordStore writer(reporter);
    ASSERT_TRUE(writer.CreateDatabaseFile(dir.file("W.mdb"), "W"));
    ASSERT_TRUE(writer.BeginImport());
    BroadcastRecord rec;
    rec.SetText(10, "XY");  // LC holds one character
    EXPECT_FALSE(writer.AddRecord(rec));
    BroadcastRecord padded;
    padded.SetText(10, "X      ");                     // trailing blanks do not count against the size
    padded.SetText(2, "Radio Caf\u00E9 Internation");  // 22 characters, 23 bytes
    EXPECT_TRUE(writer.AddRecord(padded));
    EXPECT_TRUE(writer.CommitImport());
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "CHECK constraint failed: length(LC) <= 1");
}

TEST_F(RecordStoreTest, recordsKeepTheirOrderValuesAndNullsAcrossBatchesOfInserts) {
    // 37 records: two full batches of one statement each and five inserted one by one at the
    // commit; the records that leave FREQ and DAYS unset reuse, from batch to batch, the buffers of
    // records that set them.
    RecordStore writer(reporter);
    ASSERT_TRUE(writer.CreateDatabaseFile(dir.file("B.mdb"), "B"));
    ASSERT_TRUE(writer.BeginImport());
    for (int k = 1; k <= 37; ++k) {
        BroadcastRecord rec;
        rec.SetText(2, "Station " + std::to_string(k) + "   ");
        if (k % 3 == 1) {
            rec.freq = 1000.0 + k;
            rec.SetText(13, std::string("12\0"
                                        "3",
                                        4));  // a NUL inside is kept
        }
        ASSERT_TRUE(writer.AddRecord(rec));
    }
    ASSERT_TRUE(writer.CommitImport());
    writer.CloseStore();

    ASSERT_TRUE(store.OpenBrowseSet(dir.file("B.mdb"), "B", BuildSelectText(), "UNIQUEID", ""));
    ASSERT_EQ(store.RecordCount(), 37);
    for (int k = 1; k <= 37; ++k) {
        const auto row = store.ReadRow(k - 1);
        ASSERT_TRUE(row);
        EXPECT_EQ(std::get<int64_t>((*row)[kUniqueIdField]), k);
        EXPECT_EQ(TextOf((*row)[1]), "Station " + std::to_string(k));
        if (k % 3 == 1) {
            EXPECT_EQ(std::get<double>((*row)[0]), 1000.0 + k);
            EXPECT_EQ(TextOf((*row)[12]), std::string("12\0"
                                                      "3",
                                                      4));
        } else {
            EXPECT_TRUE(IsNull((*row)[0])) << k;
            EXPECT_TRUE(IsNull((*row)[12])) << k;
        }
    }
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(RecordStoreTest, notADatabaseOrNoTableLeavesNothingOpen) {
    const std::string junk = dir.file("JUNK.mdb");
    std::ofstream(junk) << "this is not a database at all, just some text that is long enough";
    EXPECT_FALSE(store.OpenBrowseSet(junk, "JUNK", BuildSelectText(), "FREQ, STATION", ""));
    EXPECT_FALSE(store.IsOpen());
    EXPECT_EQ(store.DatabaseName(), "");
    EXPECT_FALSE(store.OpenBrowseSet(dir.file("MISSING.mdb"), "MISSING", BuildSelectText(), "FREQ, STATION", ""));
    EXPECT_FALSE(store.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(dir.file("MISSING.mdb")));
    // The database is named, the engine's words (and the system's reason) follow.
    EXPECT_EQ(reporter.errors, (std::vector<std::string>{
                                   "The database \"JUNK\" cannot be opened: file is not a database",
                                   "The database \"MISSING\" cannot be opened: unable to open database file "
                                   "(No such file or directory)",
                               }));
}

TEST_F(RecordStoreTest, createRefusesAnExistingFile) {
    RecordStore other(reporter);
    EXPECT_FALSE(other.CreateDatabaseFile(path, "TEST"));
    EXPECT_FALSE(other.IsOpen());
    EXPECT_EQ(reporter.errors.size(), 1u);
    ASSERT_TRUE(Open("FREQ"));
    EXPECT_EQ(store.RecordCount(), 4);
}
