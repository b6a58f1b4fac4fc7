#include "import/IlgDbaseImporter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "import/IlgDbaseWriter.h"
#include "import/IlgTestSupport.h"
#include "store/RecordStore.h"
#include "support/FakeScreen.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using test::DbaseRow;
using test::IlgDbaseRow;
using test::Value;

// Hands every record to a real database file and keeps what the store took.
class StoreSink : public RecordSink {
public:
    explicit StoreSink(RecordStore& store) : store_(store) {}
    bool AddRecord(const BroadcastRecord& record) override {
        if (!store_.AddRecord(record)) return false;
        records.push_back(record);
        return true;
    }
    std::vector<BroadcastRecord> records;

private:
    RecordStore& store_;
};

class IlgDbaseImport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.CreateDatabaseFile(dir.file("T.mdb"), "T"));
        ASSERT_TRUE(store.BeginImport());
    }

    bool Run(const std::vector<DbaseRow>& rows, std::vector<test::DbaseFieldDef> fields = test::IlgDbaseFields(),
             const std::string& codePage = "LDID/87") {
        EXPECT_TRUE(test::WriteDbaseTable(dir.file("list.dbf"), fields, rows, codePage));
        return ImportIlgDbase(dir.folder(), "list.dbf", sink, ui, reporter);
    }

    std::vector<std::optional<std::string>> Stations() const {
        std::vector<std::optional<std::string>> stations;
        for (const auto& r : sink.records) stations.push_back(Value(r, "STATION"));
        return stations;
    }

    static std::vector<test::DbaseFieldDef> WithField(test::DbaseFieldDef field) {
        auto fields = test::IlgDbaseFields();
        *std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.name == field.name; }) = field;
        return fields;
    }

    test::TempDir dir;
    test::RecordingReporter reporter;
    RecordStore store{reporter};
    StoreSink sink{store};
    test::FakeScreen ui;
};

TEST_F(IlgDbaseImport, everySourceColumnGoesToItsTargetColumn) {
    const std::vector<std::pair<std::string, std::string>> copied = {
        {"MOD", "MODU"},         {"STATUS", "STATUS"},     {"LOCATION", "LOCATION"}, {"COUNTRY", "COUNTRY"},
        {"ADM", "ITU"},          {"DAYS", "DAYS"},         {"LANGUAGE", "LANGUAGE"}, {"REMARKS", "REMARKS"},
        {"POWER", "POWER"},      {"PROGRAM", "PROGRAM"},   {"P", "P"},               {"STN", "STN"},
        {"REGION", "REGION"},    {"TARGET", "TARGET"},     {"CIRAFZONES", "CIRAF"},  {"AZI", "AZI"},
        {"LONGI", "LONGI"},      {"LATI", "LATI"},
    };
    DbaseRow row = IlgDbaseRow(" Radio Test  ", "0000-2400");
    for (size_t i = 0; i < copied.size(); ++i) row.text[copied[i].first] = std::string(1, char('A' + i)) + " x";
    row.text["MOD"] = "A";
    row.text["STATUS"] = "B";
    row.text["P"] = "K";
    row.numbers["FREQ"] = 15770.5;

    ASSERT_TRUE(Run({row}));
    ASSERT_EQ(sink.records.size(), 1u);
    const auto& r = sink.records[0];
    for (const auto& [source, target] : copied) {
        const auto& sent = row.text[source];
        EXPECT_EQ(Value(r, target), sent) << source;
    }
    EXPECT_EQ(Value(r, "STATION"), " Radio Test") << "leading blanks stay, trailing ones go";
    EXPECT_EQ(r.freq, 15770.5);
    EXPECT_EQ(Value(r, "START"), "00:00");
    EXPECT_EQ(Value(r, "END"), "24:00");
    EXPECT_EQ(Value(r, "LC"), " ");
    EXPECT_EQ(Value(r, "TARGETAR"), std::nullopt);
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(IlgDbaseImport, onlyANineCharacterUtcTextWithItsSeparatorAtIndexFourMakesARecord) {
    std::vector<DbaseRow> rows;
    for (const char* utc : {"0100-0200", "0300:0400", "0500=0600", "ab0c-2400", "0700/0800", "0000-240", "0000-24000",
                            "", "0000 -2400"}) {
        rows.push_back(IlgDbaseRow(utc, utc));
    }
    ASSERT_TRUE(Run(rows, WithField({"UTC", FTString, 10})));
    EXPECT_EQ(Stations(),
              (std::vector<std::optional<std::string>>{"0100-0200", "0300:0400", "0500=0600", "ab0c-2400"}));
    EXPECT_EQ(Value(sink.records[3], "START"), "ab:0c");

    sink.records.clear();
    DbaseRow numeric = IlgDbaseRow();
    numeric.numbers["UTC"] = 100002000;
    EXPECT_TRUE(Run({numeric, IlgDbaseRow("Text UTC")}, WithField({"UTC", FTDouble, 9})));
    EXPECT_TRUE(sink.records.empty()) << "a numeric UTC is no text";
}

TEST_F(IlgDbaseImport, aCodeColumnCountsOnlyWhenItHoldsItsOwnName) {
    DbaseRow euMe = IlgDbaseRow("a"), lower = IlgDbaseRow("b"), all = IlgDbaseRow("c");
    euMe.text = {{"STATION", "a"}, {"UTC", "0000-0100"}, {"EU", "EU"}, {"ME", "ME"}, {"AF", "Y"}};
    lower.text["EU"] = "eu";
    lower.text["NA"] = "EU";
    for (const char* code : {"NA", "CA", "SA", "EU", "AF", "ME", "AS", "AU", "PA"}) all.text[code] = code;
    ASSERT_TRUE(Run({euMe, lower, all}));
    ASSERT_EQ(sink.records.size(), 3u);
    EXPECT_EQ(Value(sink.records[0], "TARGETAR"), "EU ME ");
    EXPECT_EQ(Value(sink.records[1], "TARGETAR"), std::nullopt);
    EXPECT_EQ(Value(sink.records[2], "TARGETAR"), "NA CA SA EU AF ME AS AU PA ");
}

TEST_F(IlgDbaseImport, deletedRowsAndStationsThatAreBlankOrBeginWithEqualsOrTheBrokenBarAreLeftOut) {
    DbaseRow deleted = IlgDbaseRow("Deleted");
    deleted.deleted = true;
    ASSERT_TRUE(Run({IlgDbaseRow("First"), deleted, IlgDbaseRow("=Comment"), IlgDbaseRow("\xA6 Heading"),
                     IlgDbaseRow("   "), IlgDbaseRow("A=B \xA6"), IlgDbaseRow(" =Indented")}));
    EXPECT_EQ(Stations(), (std::vector<std::optional<std::string>>{"First", "A=B ¦", " =Indented"}));
}

TEST_F(IlgDbaseImport, aTableOfOnlyEqualsStationsIsReportedEmpty) {
    EXPECT_FALSE(Run({IlgDbaseRow("=One"), IlgDbaseRow("==Two")}));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The ILG database is empty!"});
    EXPECT_EQ(ui.progressCaptions, std::vector<std::string>{"ZOFAR  Creating a new Database"});
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_TRUE(sink.records.empty());
}

TEST_F(IlgDbaseImport, progressSpansTheSelectedRowsAndMovesEveryHundred) {
    std::vector<DbaseRow> rows(250, IlgDbaseRow());
    rows[10].text["UTC"] = "skipped";
    for (int i = 0; i < 10; ++i) rows.insert(rows.begin() + 20 * i, IlgDbaseRow("=left out"));
    ASSERT_TRUE(Run(rows));
    EXPECT_EQ(sink.records.size(), 249u);
    EXPECT_EQ(ui.progressCalls, (std::vector<std::pair<int, int>>{{0, 249}, {-1, 100}, {-1, 200}}));
}

TEST_F(IlgDbaseImport, numbersGoIntoTextColumnsAsShortestTextsAndTextFrequenciesMustRead) {
    const auto fields = [] {
        auto f = WithField({"POWER", FTDouble, 7, 1});
        *std::find_if(f.begin(), f.end(), [](const auto& x) { return x.name == "FREQ"; }) = {"FREQ", FTString, 8};
        return f;
    }();
    DbaseRow whole = IlgDbaseRow("whole"), half = IlgDbaseRow("half"), blank = IlgDbaseRow("blank");
    whole.numbers = {{"POWER", 500}};
    whole.text["FREQ"] = " 6005";
    half.numbers = {{"POWER", 2.5}};
    half.text["FREQ"] = "6005.5";
    ASSERT_TRUE(Run({whole, half, blank}, fields));
    ASSERT_EQ(sink.records.size(), 3u);
    EXPECT_EQ(Value(sink.records[0], "POWER"), "500");
    EXPECT_EQ(Value(sink.records[1], "POWER"), "2.5");
    EXPECT_EQ(Value(sink.records[2], "POWER"), std::nullopt);
    EXPECT_EQ(sink.records[0].freq, 6005.0);
    EXPECT_EQ(sink.records[1].freq, 6005.5);
    EXPECT_EQ(sink.records[2].freq, std::nullopt);

    DbaseRow bad = IlgDbaseRow("bad");
    bad.numbers.clear();
    bad.text["FREQ"] = "6005 kHz";
    EXPECT_FALSE(Run({bad}, fields));
    EXPECT_EQ(reporter.errors, std::vector<std::string>{
                                   "Record 1 of the dBASE table 'list.dbf' holds '6005 kHz' in the field 'FREQ', "
                                   "which is not a number."});
}

TEST_F(IlgDbaseImport, aMissingColumnFailsNamingIt) {
    auto fields = test::IlgDbaseFields();
    fields.erase(std::find_if(fields.begin(), fields.end(), [](const auto& f) { return f.name == "ADM"; }));
    EXPECT_FALSE(Run({IlgDbaseRow()}, fields));
    EXPECT_EQ(reporter.errors, std::vector<std::string>{"The dBASE table 'list.dbf' has no field named 'ADM'."});
    EXPECT_TRUE(sink.records.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(IlgDbaseImport, aStationTooLongForItsColumnIsRefusedByTheStoreAndReportedOnce) {
    ASSERT_FALSE(Run({IlgDbaseRow("Fits"), IlgDbaseRow(std::string(23, 'x'))}, WithField({"STATION", FTString, 30})));
    EXPECT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(Stations(), (std::vector<std::optional<std::string>>{"Fits"}));
}

TEST_F(IlgDbaseImport, aTableCutInHalfOrRandomBytesFailWithOneError) {
    ASSERT_TRUE(test::WriteDbaseTable(dir.file("full.dbf"), test::IlgDbaseFields(), std::vector(40, IlgDbaseRow())));
    std::ifstream in(dir.file("full.dbf"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::ofstream(dir.file("half.dbf"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    std::mt19937 rng(5);
    std::string noise(bytes.size(), '\0');
    for (auto& c : noise) c = static_cast<char>(rng());
    std::ofstream(dir.file("noise.dbf"), std::ios::binary) << noise;

    for (const char* name : {"half.dbf", "noise.dbf", "missing.dbf"}) {
        reporter.errors.clear();
        EXPECT_FALSE(ImportIlgDbase(dir.folder(), name, sink, ui, reporter)) << name;
        ASSERT_EQ(reporter.errors.size(), 1u) << name;
        EXPECT_NE(reporter.errors[0].find(name), std::string::npos) << reporter.errors[0];
    }
    EXPECT_TRUE(sink.records.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(IlgDbaseImport, lettersOfADeclaredCodePageArriveRightInTheDatabase) {
    // In code page 850 the broken bar is 0xDD, and 0xA6 is a letter.
    ASSERT_TRUE(Run({IlgDbaseRow("R\xA0" "dio S\xC6o Tom\x82"), IlgDbaseRow("\xA6" "a"), IlgDbaseRow("\xDD" "b")},
                    test::IlgDbaseFields(), "LDID/2"));
    ASSERT_TRUE(store.CommitImport());
    store.CloseStore();
    ASSERT_TRUE(store.OpenBrowseSet(dir.file("T.mdb"), "T", BuildSelectText(), "UNIQUEID", ""));
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(TextOf(store.GetFieldValue(0, 1)), "Rádio São Tomé");
    EXPECT_EQ(TextOf(store.GetFieldValue(1, 1)), "ªa");
}

}  // namespace
}  // namespace zofar
