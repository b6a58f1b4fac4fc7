// Extension columns live only in the databases made with them; computed columns appear in every
// database the store opens once their functions are registered, and never reach the file.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>

#include "store/ColumnTable.h"
#include "store/RecordStore.h"
#include "store/SqliteDatabase.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

using namespace zofar;
using namespace zofar::test;

namespace {

// Stand-ins with a plain arithmetic rule, so the test knows every value: the distance is the
// latitude's leading digits, the bearing their double, in beam when AZI is "0".
class DigitFunctions : public ComputedFunctions {
public:
    bool Register(sqlite3* db) override {
        const auto leading = [](sqlite3_context* ctx, int, sqlite3_value** argv) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
            if (!text || *text < '0' || *text > '9') return sqlite3_result_null(ctx);
            const int factor = *static_cast<int*>(sqlite3_user_data(ctx));
            sqlite3_result_int(ctx, std::atoi(text) * factor);
        };
        const auto beam = [](sqlite3_context* ctx, int, sqlite3_value** argv) {
            const auto* azi = reinterpret_cast<const char*>(sqlite3_value_text(argv[2]));
            if (azi && azi[0] == '0' && azi[1] == 0) return sqlite3_result_text(ctx, "*", 1, SQLITE_STATIC);
            sqlite3_result_null(ctx);
        };
        return sqlite3_create_function(db, "ZOFAR_DISTANCE", 2, SQLITE_UTF8, &one_, leading, nullptr, nullptr) ==
                   SQLITE_OK &&
               sqlite3_create_function(db, "ZOFAR_BEARING", 2, SQLITE_UTF8, &two_, leading, nullptr, nullptr) ==
                   SQLITE_OK &&
               sqlite3_create_function(db, "ZOFAR_INBEAM", 3, SQLITE_UTF8, nullptr, beam, nullptr, nullptr) ==
                   SQLITE_OK;
    }

private:
    int one_ = 1;
    int two_ = 2;
};

BroadcastRecord Record(double freq, const char* lati, const char* azi, const char* validFrom) {
    BroadcastRecord r;
    r.freq = freq;
    r.SetText(2, "STATION " + std::to_string(static_cast<int>(freq)));
    if (lati) r.SetText(24, lati);
    if (azi) r.SetText(22, azi);
    if (validFrom) {
        r.SetExtension(kValidFromField, validFrom);
        r.SetExtension(kValidToField, "12-24");
        r.SetExtension(kDaysTextField, "24Dec  ");
    }
    return r;
}

class ExtraColumnsTest : public ::testing::Test {
protected:
    bool Make(bool extension) {
        RecordStore maker(reporter);
        if (!maker.CreateDatabaseFile(path, "X", extension) || !maker.BeginImport()) return false;
        for (const auto& r : {Record(9410, "52N31", "0", "12-08"), Record(6000, "10S00", "90", nullptr),
                              Record(7000, nullptr, nullptr, "01-01")}) {
            if (!maker.AddRecord(r)) return false;
        }
        return maker.CommitImport();
    }
    bool Open(const std::string& sort, const std::string& condition = "") {
        return store.OpenBrowseSet(path, "X", BuildSelectText(), sort, condition);
    }
    std::vector<FieldValue> Column(int field) {
        std::vector<FieldValue> values;
        for (int r = 0; r < store.RecordCount(); ++r) values.push_back(store.GetFieldValue(r, field));
        return values;
    }

    TempDir dir;
    std::string path = dir.file("X.mdb");
    RecordingReporter reporter;
    RecordStore store{reporter};
    DigitFunctions functions;
};

}  // namespace

TEST(ExtraColumns, eachFieldHasItsColumnAndName) {
    for (int f = 0; f < kAllFieldCount; ++f) EXPECT_EQ(FieldNumber(FieldColumn(f).name), f) << f;
    EXPECT_EQ(FieldColumn(kValidFromField).kind, ColumnKind::Extension);
    EXPECT_EQ(FieldColumn(kDistanceField).kind, ColumnKind::Computed);
    EXPECT_FALSE(FieldNumber("NOSUCH"));
}

TEST_F(ExtraColumnsTest, extensionValuesAreStoredWithoutTrailingBlanksAndSelectable) {
    ASSERT_TRUE(Make(true));
    ASSERT_TRUE(Open("FREQ, STATION", "VALIDFROM LIKE '12*'"));
    EXPECT_EQ(store.Columns(), (ColumnSet{true, false}));
    ASSERT_EQ(store.RecordCount(), 1);
    EXPECT_EQ(store.GetFieldValue(0, kValidFromField), FieldValue("12-08"));
    EXPECT_EQ(store.GetFieldValue(0, kDaysTextField), FieldValue("24Dec"));
    EXPECT_TRUE(IsNull(store.GetFieldValue(0, kRegularityField)));
    EXPECT_TRUE(IsNull(store.GetFieldValue(0, kDistanceField)));
}

TEST_F(ExtraColumnsTest, aDatabaseWithoutExtensionReadsThoseFieldsAsNullAndRefusesThemInConditions) {
    ASSERT_TRUE(Make(false));
    ASSERT_TRUE(Open("FREQ, STATION"));
    EXPECT_EQ(store.Columns(), ColumnSet{});
    EXPECT_EQ(Column(kValidFromField), std::vector<FieldValue>(3));
    EXPECT_FALSE(store.RequeryBrowseSet("FREQ", "VALIDFROM = '12-08'"));
    EXPECT_FALSE(reporter.errors.empty());
}

TEST_F(ExtraColumnsTest, anExtensionValueTooLongIsRefusedWithTheEnginesWords) {
    RecordStore maker(reporter);
    ASSERT_TRUE(maker.CreateDatabaseFile(path, "X", true) && maker.BeginImport());
    BroadcastRecord r = Record(1, nullptr, nullptr, "12-08");
    r.SetExtension(kValidToField, "12-24-");
    EXPECT_FALSE(maker.AddRecord(r));
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "CHECK constraint failed: length(VALIDTO) <= 5");
}

TEST_F(ExtraColumnsTest, computedColumnsSortSelectAndNeverReachTheFile) {
    ASSERT_TRUE(Make(false));
    store.SetComputedFunctions(&functions);
    ASSERT_TRUE(Open("DISTANCE, FREQ"));
    EXPECT_EQ(store.Columns(), (ColumnSet{false, true}));
    // Null sorts first, as in every other column.
    EXPECT_EQ(Column(kDistanceField), (std::vector<FieldValue>{{}, int64_t{10}, int64_t{52}}));
    EXPECT_EQ(Column(kBearingField), (std::vector<FieldValue>{{}, int64_t{20}, int64_t{104}}));
    EXPECT_EQ(Column(kInBeamField), (std::vector<FieldValue>{{}, {}, "*"}));
    ASSERT_TRUE(store.RequeryBrowseSet("FREQ, STATION", "DISTANCE > 20"));
    EXPECT_EQ(store.RecordCount(), 1);
    ASSERT_TRUE(store.CloseStore());

    // Another program sees the table as it was made.
    Database plain(path, Database::Mode::OpenExisting);
    EXPECT_THROW(Statement(plain, "SELECT DISTANCE FROM ZOFTABLE"), std::exception);
    EXPECT_TRUE(reporter.errors.empty());
}
