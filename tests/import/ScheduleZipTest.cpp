// Season zips made with libzip: the schedule and its tables found in them, beside them or in a
// named folder; entries too large or with folders refused; the kind told by what a file holds.
#include <gtest/gtest.h>

#include <filesystem>

#include "import/AokiImporter.h"
#include "import/EibiTestSupport.h"
#include "import/HfccImporter.h"
#include "import/IlgTestSupport.h"
#include "import/ScheduleTestSupport.h"
#include "import/SourceKindOfFile.h"
#include "support/Files.h"
#include "support/SourceKindIds.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using test::Value;

class ScheduleZipTest : public ::testing::Test {
protected:
    EibiImportResult Hfcc(const std::string& file, const std::string& codes = "",
                          std::size_t maxBytes = kZipEntryMaxBytes) {
        sink.records.clear();
        ui.messages.clear();
        return ImportHfcc(dir.file(file), codes, sink, ui, maxBytes);
    }
    std::string Station() const { return sink.records.empty() ? "" : *Value(sink.records[0], "STATION"); }

    test::TempDir dir;
    test::MemorySink sink;
    test::RecordingImportUi ui;
    std::string schedule = test::HfccSchedule({test::HfccLine({})});
};

TEST_F(ScheduleZipTest, theTablesComeFromTheZipFromBesideItOrFromTheNamedFolder) {
    auto entries = test::HfccTables();
    entries.insert(entries.begin(), {"A26all00.TXT", schedule});
    ASSERT_TRUE(test::WriteZip(dir.file("a26allx2.zip"), entries));
    ASSERT_TRUE(Hfcc("a26allx2.zip").ok);
    EXPECT_EQ(Station(), "Deutsch\xC3\xA9 Welle");
    EXPECT_EQ(Value(sink.records[0], "LOCATION"), "Nauen");

    // Without tables the codes stand for the names, until the tables lie beside the zip.
    ASSERT_TRUE(test::WriteZip(dir.file("bare.zip"), {{"readme.txt", "not a schedule"}, {"A26all00.TXT", schedule}}));
    ASSERT_TRUE(Hfcc("bare.zip").ok);
    EXPECT_EQ(Station(), "DWL");
    std::filesystem::create_directories(dir.file("codes"));
    for (const auto& [name, bytes] : test::HfccTables()) test::WriteBytes(dir.file("codes/" + name), bytes);
    test::WriteBytes(dir.file("BROADCAS.TXT"), "DWL Beside\r\n");
    ASSERT_TRUE(Hfcc("bare.zip").ok);
    EXPECT_EQ(Station(), "Beside");
    ASSERT_TRUE(Hfcc("bare.zip", dir.file("codes")).ok);
    EXPECT_EQ(Station(), "Deutsch\xC3\xA9 Welle");

    // The extracted schedule reads the same.
    test::WriteBytes(dir.file("codes/A26all00.TXT"), schedule);
    ASSERT_TRUE(Hfcc("codes/A26all00.TXT").ok);
    EXPECT_EQ(Value(sink.records[0], "COUNTRY"), "Germany");
    EXPECT_FALSE(Hfcc("codes/A26all00.TXT", dir.file("nowhere")).ok);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"The code table folder " + dir.file("nowhere") + " does not exist!"});
}

TEST_F(ScheduleZipTest, anEntryTooLargeOrWithAFolderIsNeverRead) {
    ASSERT_TRUE(test::WriteZip(dir.file("big.zip"), {{"A26all00.TXT", schedule + std::string(4000, ' ')}}));
    EXPECT_FALSE(Hfcc("big.zip", "", 2000).ok);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"The entry \"A26all00.TXT\" of the zip file unpacks to more than 2000 bytes!"});
    EXPECT_TRUE(Hfcc("big.zip").ok);

    auto tables = test::HfccTables();
    tables[1].first = "../broadcas.txt";
    tables.insert(tables.begin(), {"sub/A26all00.TXT", schedule});
    ASSERT_TRUE(test::WriteZip(dir.file("folders.zip"), tables));
    EXPECT_FALSE(Hfcc("folders.zip").ok);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The zip file holds no HFCC schedule!"});
    tables.push_back({"A26all00.TXT", schedule});
    ASSERT_TRUE(test::WriteZip(dir.file("folders.zip"), tables));
    ASSERT_TRUE(Hfcc("folders.zip").ok);
    EXPECT_EQ(Station(), "DWL");
    EXPECT_EQ(Value(sink.records[0], "LOCATION"), "Nauen");

    test::WriteBytes(dir.file("broken.zip"), "PK\x03\x04 and then nothing a zip needs");
    EXPECT_FALSE(Hfcc("broken.zip").ok);
    EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(kHfccOpenErrorMessage)});
}

TEST_F(ScheduleZipTest, theKindOfAZipOrTextIsToldByWhatItHolds) {
    const std::string aoki = test::AokiList({}, {{"6055", "Radio", "0000-2400"}});
    ASSERT_TRUE(test::WriteZip(dir.file("a26allx2.ZIP"), {{"site.txt", "NAU Nauen"}, {"A26all00.TXT", schedule}}));
    ASSERT_TRUE(test::WriteZip(dir.file("nzb25.zip"), {{"nzb25.txt", aoki}}));
    ASSERT_TRUE(test::WriteZip(dir.file("other.zip"), {{"notes.txt", "hello"}}));
    test::WriteBytes(dir.file("A26all00.TXT"), schedule);
    test::WriteBytes(dir.file("nzb25.txt"), aoki);
    test::WriteBytes(dir.file("ilg.txt"), "  6000.0 Radio\r\n");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a26allx2.ZIP", "hfcc"}, {"nzb25.zip", "aoki"}, {"A26all00.TXT", "hfcc"}, {"nzb25.txt", "aoki"},
        {"ilg.txt", "text"},      {"other.zip", "text"}, {"missing.txt", "text"},  {"x.csv", "eibi"},
    };
    for (const auto& [file, kind] : cases) EXPECT_EQ(SourceKindOfFile(dir.file(file)), test::KindId(kind)) << file;

    ASSERT_TRUE(ImportAoki(dir.file("nzb25.zip"), "", sink, ui).ok);
    EXPECT_EQ(sink.records.size(), 1u);
}

}  // namespace
}  // namespace zofar
