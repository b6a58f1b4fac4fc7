#include "import/EibiImporter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "import/EibiTestSupport.h"
#include "import/IlgTestSupport.h"
#include "import/IlgTextImporter.h"
#include "store/RecordStore.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using test::Value;

constexpr std::string_view kHeader =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;"
    "P:35;Start:60;Stop:60;";

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

class EibiImport : public ::testing::Test {
protected:
    EibiImportResult Run(const std::string& content, const EibiCodeTables* codes = nullptr) {
        std::istringstream in(content);
        return ImportEibiCsvStream(in, codes, sink, ui);
    }

    test::MemorySink sink;
    test::RecordingImportUi ui;
};

TEST_F(EibiImport, latin1AndUtf8FilesBothArriveAsUtf8) {
    ASSERT_TRUE(Run("1677;1503-1518;;E;Coru\xF1"
                    "a Radio;S\n")
                    .ok);
    ASSERT_TRUE(Run("1677;1503-1518;;E;Coru\xC3\xB1"
                    "a Radio;S\n")
                    .ok);
    // One byte that is not UTF-8 makes the whole file Latin-1, also the lines before it.
    ASSERT_TRUE(Run("1;0000-0100;;E;\xC3\xB1\n2;0000-0100;;E;\xF1\n").ok);
    ASSERT_EQ(sink.records.size(), 4u);
    EXPECT_EQ(Value(sink.records[0], "STATION"),
              "Coru\xC3\xB1"
              "a Radio");
    EXPECT_EQ(Value(sink.records[1], "STATION"),
              "Coru\xC3\xB1"
              "a Radio");
    EXPECT_EQ(Value(sink.records[2], "STATION"), "\xC3\x83\xC2\xB1");
    EXPECT_EQ(Value(sink.records[3], "STATION"), "\xC3\xB1");
}

TEST_F(EibiImport, bomHeaderBlankLinesAndBothLineEndsAreNoRecordsAndNoSkips) {
    const auto result = Run("\xEF\xBB\xBF" + std::string(kHeader) + "\r\n6005;0000-0100;;D;Crlf Station\r\n\r\n  \n" +
                            "7005;0100-0200;;D;Lf Station\n8005;0200-0300;;D;Last Line");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.stored, 3);
    EXPECT_EQ(result.skipped, 0);
    ASSERT_EQ(sink.records.size(), 3u);
    EXPECT_EQ(Value(sink.records[0], "STATION"), "Crlf Station");
    EXPECT_EQ(Value(sink.records[1], "STATION"), "Lf Station");
    EXPECT_EQ(Value(sink.records[2], "STATION"), "Last Line");
    EXPECT_EQ(ui.ranges, (std::vector<std::pair<int, int>>{{0, 6}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EibiImport, badLinesAreCountedAndAFirstLineThatIsNoHeaderIsData) {
    const auto result = Run("6005;0000-0100\nkHz;0000-0100\n6005;0000_0100\n;;;;;;;;;;\nx\n7005;0000-0100\n");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.stored, 2);
    EXPECT_EQ(result.skipped, 4);
    EXPECT_EQ(EibiImportSummary(result), "2 records stored, 4 lines skipped");
    EXPECT_EQ(EibiImportSummary({true, 1, 1}), "1 record stored, 1 line skipped");
}

TEST_F(EibiImport, aFileWithoutOneValidLineFailsAndSaysSo) {
    for (const std::string& content : {std::string(), std::string(kHeader) + "\n", std::string("junk\n\n;;;\n")}) {
        ui.messages.clear();
        EXPECT_FALSE(Run(content).ok);
        EXPECT_EQ(ui.messages, std::vector<std::string>{std::string(kEibiNoValidLineMessage)});
    }
    EXPECT_TRUE(sink.records.empty());
}

TEST_F(EibiImport, progressRunsOverAllLinesInStepsOfAHundred) {
    std::string content(kHeader);
    for (int i = 0; i < 249; ++i) content += "\n6005;0000-0100";
    EXPECT_TRUE(Run(content).ok);
    EXPECT_EQ(ui.captions, std::vector<std::string>{std::string(kImportProgressCaption)});
    EXPECT_EQ(ui.ranges, (std::vector<std::pair<int, int>>{{0, 250}}));
    EXPECT_EQ(ui.positions, (std::vector<int>{100, 200}));
}

TEST_F(EibiImport, aSinkFailureEndsTheImportAtOnceWithoutAMessage) {
    sink.failAt = 2;
    const auto result = Run("1;0000-0100\n2;0000-0100\n3;0000-0100\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(sink.calls, 2);
    EXPECT_EQ(result.stored, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EibiImport, namesComeFromAReadmeBesideTheCsvInAnyLetterCaseOrFromTheOneGiven) {
    test::TempDir dir;
    const std::string csv = dir.file("sked-a26.csv");
    WriteFile(csv, "6005;0000-0100;;D;Station;E;Eu\n");

    ASSERT_TRUE(ImportEibiCsv(csv, "", sink, ui).ok);
    EXPECT_EQ(Value(sink.records.back(), "COUNTRY"), std::nullopt) << "no README";

    WriteFile(dir.file("readme.Txt"), test::kSmallEibiReadme);
    EXPECT_EQ(FindEibiCodesFile(csv), dir.file("readme.Txt"));
    ASSERT_TRUE(ImportEibiCsv(csv, "", sink, ui).ok);
    EXPECT_EQ(Value(sink.records.back(), "COUNTRY"), "Germany");
    EXPECT_EQ(Value(sink.records.back(), "LANGUAGE"), "English");

    const std::string other = dir.file("codes.txt");
    WriteFile(other, "   II) Country codes.\n   D    Deutschland\n");
    ASSERT_TRUE(ImportEibiCsv(csv, other, sink, ui).ok);
    EXPECT_EQ(Value(sink.records.back(), "COUNTRY"), "Deutschland");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EibiImport, anUnreadableCsvOrReadmeFailsWithItsMessage) {
    test::TempDir dir;
    const std::string csv = dir.file("sked.csv");
    EXPECT_FALSE(ImportEibiCsv(csv, "", sink, ui).ok);
    EXPECT_FALSE(ImportEibiCsv(dir.folder(), "", sink, ui).ok);
    EXPECT_FALSE(ImportEibiCsv(csv + std::string(1, '\0'), "", sink, ui).ok);
    WriteFile(csv, "6005;0000-0100\n");
    EXPECT_FALSE(ImportEibiCsv(csv, dir.file("missing.txt"), sink, ui).ok);
    std::filesystem::create_directory(dir.file("README.TXT"));
    EXPECT_EQ(FindEibiCodesFile(csv), "") << "a folder named README.TXT is no README";
    const std::string open(kEibiOpenErrorMessage);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{open, open, open, std::string(kEibiCodesOpenErrorMessage)}));
    EXPECT_TRUE(sink.records.empty());
}

TEST(EibiExcerpt, theSeasonExcerptImportsWholeIntoADatabase) {
    test::TempDir dir;
    test::RecordingReporter reporter;
    test::RecordingImportUi ui;
    const std::string path = dir.file("EIBI.mdb");
    {
        RecordStore store(reporter);
        ASSERT_TRUE(store.CreateDatabaseFile(path, "EIBI"));
        ASSERT_TRUE(store.BeginImport());
        const auto result = ImportEibiCsv(ZOFAR_EIBI_DIR "sked-a26-excerpt.csv", "", store, ui);
        ASSERT_TRUE(result.ok) << (ui.messages.empty() ? "" : ui.messages.front());
        EXPECT_EQ(result.stored, 376);
        EXPECT_EQ(result.skipped, 0);
        ASSERT_TRUE(store.CommitImport());
        store.CloseStore();
    }
    RecordStore store(reporter);
    ASSERT_TRUE(store.OpenBrowseSet(path, "EIBI", BuildSelectText(), BuildSortText("FREQ"), ""));
    EXPECT_EQ(store.RecordCount(), 376);
    ASSERT_TRUE(store.FindFirstMatch("FREQ = 1677"));
    const auto row = store.ReadRow(store.CurrentPosition());
    ASSERT_TRUE(row);
    const auto field = [&](std::string_view column) {
        return TextOf((*row)[static_cast<size_t>(*ColumnNumber(column) - 1)]);  // field index = column - 1
    };
    EXPECT_EQ(field("STATION"),
              "Coru\xC3\xB1"
              "a Radio");
    EXPECT_EQ(field("START"), "15:03");
    EXPECT_EQ(field("COUNTRY"), "Spain");
    EXPECT_EQ(field("LANGUAGE"), "Spanish/Castellano");
    EXPECT_EQ(field("REGION"), "South Europe");
    EXPECT_EQ(field("LOCATION"),
              "Rostr\xC3\xADo/Cabo de Pe\xC3\xB1"
              "as");
    EXPECT_EQ(field("LATI"), "43N28");
    EXPECT_EQ(field("LONGI"), "005W51");
    EXPECT_EQ(field("TARGETAR"), "EU");
    EXPECT_TRUE(store.FindFirstMatch("DAYS = '134567' AND STATION LIKE 'China National*'"));
    EXPECT_TRUE(store.FindFirstMatch("STATUS = 'I' AND FREQ = 9445"));
    EXPECT_TRUE(reporter.errors.empty());
}

}  // namespace
}  // namespace zofar
