// HFCC schedules: each column's conversion from lines written field by field, and the import's
// counts over a whole schedule.
#include <gtest/gtest.h>

#include <map>

#include "import/EibiTestSupport.h"
#include "import/HfccImporter.h"
#include "import/HfccRecord.h"
#include "import/IlgTestSupport.h"
#include "import/ScheduleTestSupport.h"

namespace zofar {
namespace {

using test::HfccFields;
using test::HfccLine;
using test::Value;

std::optional<std::string> Extension(const BroadcastRecord& record, int field) {
    return record.extension[static_cast<std::size_t>(field - kFirstExtensionField)];
}

HfccCodeTables Tables() {
    std::map<std::string, std::string> files;
    for (auto& [name, bytes] : test::HfccTables()) files[name] = bytes;
    return HfccCodeTables::Parse(files);
}

TEST(HfccRecord, everyColumnComesFromItsFieldAndTheTables) {
    const HfccCodeTables tables = Tables();
    HfccFields f;
    f.days = "1    67";
    f.notes = "Note";
    const auto record = ParseHfccLine(HfccLine(f), &tables);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->freq, 9410.0);
    const std::vector<std::pair<std::string_view, std::optional<std::string>>> expected = {
        {"START", "06:00"},
        {"END", "07:00"},
        {"DAYS", "567"},  // Sunday, Friday, Saturday
        {"STATION", "Deutsch\xC3\xA9 Welle"},
        {"LANGUAGE", "English"},
        {"ITU", "D"},
        {"COUNTRY", "Germany"},
        {"LOCATION", "Nauen"},
        {"LATI", "52N38"},
        {"LONGI", "012E54"},
        {"POWER", "250"},
        {"AZI", "120"},
        {"CIRAF", "27,28"},
        {"MODU", "A"},
        {"REMARKS", "Note"},
        {"STATUS", std::nullopt},
    };
    for (const auto& [column, value] : expected) EXPECT_EQ(Value(*record, column), value) << column;
    EXPECT_EQ(Extension(*record, kValidFromField), "10-25");
    EXPECT_EQ(Extension(*record, kValidToField), "03-28");
    EXPECT_EQ(Extension(*record, kDaysTextField), "1    67");
}

TEST(HfccRecord, endOfDayDatesCodesWithoutNamesAndModes) {
    const HfccCodeTables tables = Tables();
    HfccFields f;
    f.stop = "2400";
    f.site = "XYZ";  // not in site.txt
    f.language = "Tib";
    f.adm = "ZZZ";
    f.broadcaster = "ABC";
    f.from = "010925";
    f.to = "311225";
    f.days = "";
    f.mod = "N";
    const auto record = ParseHfccLine(HfccLine(f), &tables);
    ASSERT_TRUE(record);
    EXPECT_EQ(Value(*record, "END"), "24:00");
    EXPECT_EQ(Value(*record, "LOCATION"), "XYZ");
    EXPECT_EQ(Value(*record, "LATI"), std::nullopt);
    EXPECT_EQ(Value(*record, "STATION"), "ABC");
    EXPECT_EQ(Value(*record, "LANGUAGE"), "Tib");
    EXPECT_EQ(Value(*record, "COUNTRY"), std::nullopt);
    EXPECT_EQ(Value(*record, "DAYS"), "");
    EXPECT_EQ(Value(*record, "MODU"), "D");
    EXPECT_EQ(Extension(*record, kValidFromField), "09-01");
    EXPECT_EQ(Extension(*record, kValidToField), "12-31");
    EXPECT_EQ(Extension(*record, kDaysTextField), std::nullopt);

    f.mod = "S";
    f.from = "310225";  // no such day: the validity stays open
    EXPECT_EQ(Value(*ParseHfccLine(HfccLine(f), nullptr), "MODU"), "U");
    EXPECT_EQ(Extension(*ParseHfccLine(HfccLine(f), nullptr), kValidFromField), std::nullopt);
}

TEST(HfccRecord, aLineWhoseFrequencyTimesOrDaysDoNotReadIsNoRecord) {
    for (auto change : std::vector<void (*)(HfccFields&)>{
             [](HfccFields& f) { f.freq = "94x0"; }, [](HfccFields& f) { f.freq = ""; },
             [](HfccFields& f) { f.start = "2500"; }, [](HfccFields& f) { f.stop = "24:0"; },
             [](HfccFields& f) { f.days = "12389"; }, [](HfccFields& f) { f.days = "Mo-Fr"; }}) {
        HfccFields f;
        change(f);
        EXPECT_FALSE(ParseHfccLine(HfccLine(f), nullptr)) << HfccLine(f);
    }
    EXPECT_FALSE(ParseHfccLine("9410 0600", nullptr));
}

TEST(HfccImport, commentsPassUnreadLinesAreCountedAndAScheduleWithoutARecordFails) {
    test::MemorySink sink;
    test::RecordingImportUi ui;
    HfccFields bad;
    bad.start = "xx00";
    const std::string text = test::HfccSchedule({HfccLine({}), HfccLine(bad), "", ";a comment", HfccLine({})});
    const EibiImportResult result = ImportHfccText(text, nullptr, sink, ui);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.stored, 2);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(sink.records.size(), 2u);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_FALSE(ImportHfccText(test::HfccSchedule({HfccLine(bad)}), nullptr, sink, ui).ok);
    EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(kHfccNoValidLineMessage)});
}

TEST(HfccCodeTables, languageNamesEndAtTwoBlanksAndALineWithoutCodeIsPassedOver) {
    HfccCodeTables tables;
    tables.ParseLanguages("E     English\nSwa Swahili  swa  Kenya\n  indented line\n;E comment\nHin\tHindi\n");
    EXPECT_EQ(tables.LanguageCount(), 3u);
    EXPECT_EQ(*tables.LanguageName("E"), "English");
    EXPECT_EQ(*tables.LanguageName("Swa"), "Swahili");
    EXPECT_EQ(*tables.LanguageName("Hin"), "Hindi");
    tables.ParseSites(test::HfccSiteLine("BAD", "No position", "D", "99N99", "000E00"));
    ASSERT_TRUE(tables.Site("BAD"));
    EXPECT_EQ(tables.Site("BAD")->latitude, "");
}

}  // namespace
}  // namespace zofar
