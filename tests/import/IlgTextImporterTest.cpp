#include "import/IlgTextImporter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <random>
#include <sstream>

#include "base/TextEncoding.h"
#include "import/IlgTestSupport.h"
#include "support/FakeScreen.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using test::DataLine;
using test::Put;
using test::Value;

class IlgTextImport : public ::testing::Test {
protected:
    bool Run(const std::string& content) {
        std::istringstream in(content);
        return ImportIlgTextStream(in, sink, ui);
    }

    test::MemorySink sink;
    test::FakeScreen ui;
};

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

TEST_F(IlgTextImport, everyColumnGetsItsOwnSliceUntrimmed) {
    struct Field {
        size_t at;
        std::string_view column;
        std::string_view text;
    };
    const std::vector<Field> fields = {
        {7, "STATION", "Radio Test"},
        {38, "DAYS", "67"},
        {45, "LANGUAGE", "English"},
        {111, "TARGET", "WEu"},
        {119, "LOCATION", "Lindvik"},
        {144, "POWER", "    250"},
        {151, "AZI", "315"},
        {154, "REMARKS", "irregular"},
        {169, "MODU", "A"},
        {188, "CIRAF", "27,28"},
        {218, "STN", "RMI"},
        {223, "ITU", "D"},
        {226, "COUNTRY", "Germany"},
        {244, "LONGI", "010E32"},
        {250, "LATI", "52N07"},
        {255, "REGION", "Europe"},
        {275, "P", "G"},
        {276, "PROGRAM", "World Desk"},
        {296, "STATUS", "S"},
    };
    std::string line = DataLine("", "0000-0100");
    for (const auto& f : fields) Put(line, f.at, f.text);
    Put(line, 63, std::string(48, 'X'));

    ASSERT_TRUE(Run(line + "\n"));
    ASSERT_EQ(sink.records.size(), 1u);
    const auto& r = sink.records[0];
    for (const auto& f : fields) {
        // Every field of the list is exactly as wide as its column.
        std::string padded(f.text);
        padded.resize(static_cast<size_t>(kColumnTable[static_cast<size_t>(*ColumnNumber(f.column))].size), ' ');
        EXPECT_EQ(Value(r, f.column), padded) << f.column;
    }
    EXPECT_EQ(r.freq, 6005.0);
    EXPECT_EQ(Value(r, "START"), "00:00");
    EXPECT_EQ(Value(r, "END"), "01:00");
    EXPECT_EQ(Value(r, "LC"), " ");
    EXPECT_EQ(Value(r, "TARGETAR"), std::nullopt);
    EXPECT_FALSE(r.text[0].has_value()) << "UNIQUEID is the store's";
    for (const auto& value : r.text) {
        if (value) {
            EXPECT_EQ(value->find('X'), std::string::npos) << "columns 63-110 are not read";
        }
    }
}

TEST_F(IlgTextImport, colonAndEqualsSeparateTheTimesWhoseCharactersAreTakenAsTheyStand) {
    ASSERT_TRUE(Run(Lines({DataLine("a", "0100-0200"), DataLine("b", "0300:0400"), DataLine("c", "0500=0600"),
                           DataLine("d", "0700/0800"), DataLine("e", "0900 1000"), DataLine("f", "1100.1200"),
                           DataLine("g", "ab0c-2400")})));
    ASSERT_EQ(sink.records.size(), 4u);
    EXPECT_EQ(Value(sink.records[1], "START"), "03:00");
    EXPECT_EQ(Value(sink.records[1], "END"), "04:00");
    EXPECT_EQ(Value(sink.records[2], "END"), "06:00");
    EXPECT_EQ(Value(sink.records[3], "START"), "ab:0c");
    EXPECT_EQ(Value(sink.records[3], "END"), "24:00");
}

TEST_F(IlgTextImport, shortAndBlankLinesNeverTakeValuesFromTheLineBefore) {
    std::string full = DataLine("Full Station", "0100-0200");
    Put(full, 45, "German");
    Put(full, 119, "Lindvik");
    Put(full, 176, "EU");
    Put(full, 296, "S");
    const std::string blank;
    const std::string tooShort = full.substr(0, 36);
    std::string shortWithTime = DataLine("Short Station", "0300-0400").substr(0, 47);

    ASSERT_TRUE(Run(Lines({full, blank, tooShort, shortWithTime})));
    ASSERT_EQ(sink.records.size(), 2u);
    const auto& r = sink.records[1];
    EXPECT_EQ(Value(r, "STATION"), "Short Station         ");
    EXPECT_EQ(Value(r, "START"), "03:00");
    EXPECT_EQ(Value(r, "DAYS"), "       ");
    EXPECT_EQ(Value(r, "LANGUAGE"), "  ") << "cut by the end of the line";
    EXPECT_EQ(Value(r, "LOCATION"), "") << "starts beyond the end of the line";
    EXPECT_EQ(Value(r, "STATUS"), "");
    EXPECT_EQ(Value(r, "TARGETAR"), std::nullopt);
}

TEST_F(IlgTextImport, lineEndCountsForLengthButNeverBecomesPartOfAValue) {
    const std::string withoutStatus = DataLine().substr(0, 296);
    const std::string timeFieldComplete = DataLine().substr(0, 38);
    const std::string timeFieldCutByLineEnd = DataLine().substr(0, 37);

    ASSERT_TRUE(Run(Lines({withoutStatus, timeFieldComplete, timeFieldCutByLineEnd})));
    ASSERT_EQ(sink.records.size(), 2u);
    EXPECT_EQ(Value(sink.records[0], "STATUS"), "");
    EXPECT_EQ(Value(sink.records[0], "PROGRAM"), std::string(20, ' '));
    EXPECT_EQ(Value(sink.records[1], "END"), "01:00");
    EXPECT_EQ(Value(sink.records[1], "DAYS"), "");
    EXPECT_TRUE(ui.questions.empty()) << "296 characters with the line end need no question";
}

TEST_F(IlgTextImport, crLfReadsAsLfAndALoneCrStaysACharacter) {
    std::string full = DataLine("Radio\rCR");
    Put(full, 296, "S");
    ASSERT_TRUE(Run(full + "\r\n" + DataLine().substr(0, 296) + "\r\n"));
    ASSERT_EQ(sink.records.size(), 2u);
    EXPECT_EQ(Value(sink.records[0], "STATION"), "Radio\rCR              ");
    EXPECT_EQ(Value(sink.records[0], "STATUS"), "S");
    EXPECT_EQ(Value(sink.records[1], "STATUS"), "");
    EXPECT_EQ(ui.progressCalls.front(), std::make_pair(0, 2));
}

TEST_F(IlgTextImport, aCrLfSplitBetweenTwoBlocksOfTheFileStillReadsAsLf) {
    // The list is taken in blocks of 64 KiB: 130 lines of 502 bytes and a line of 275 put its
    // CR at the last byte of the first block and its LF at the first byte of the second.
    std::string content;
    for (int k = 0; k < 130; ++k) content += std::string(501, 'y') + "\n";
    content += DataLine("Across").substr(0, 275) + "\r\n";
    ASSERT_EQ(content.find('\r'), 65535u);
    ASSERT_TRUE(Run(content));
    ASSERT_EQ(sink.records.size(), 1u);
    EXPECT_EQ(Value(sink.records[0], "P"), "") << "the CR of a CR LF is no character";
}

TEST_F(IlgTextImport, nulBytesAreCharactersAndDoNotCutTheLine) {
    std::string line = DataLine(std::string("Radio\0Nul", 9));
    Put(line, 296, "S");
    ASSERT_TRUE(Run(line + "\n"));
    ASSERT_EQ(sink.records.size(), 1u);
    EXPECT_EQ(Value(sink.records[0], "STATION"), std::string("Radio\0Nul", 9) + std::string(13, ' '));
    EXPECT_EQ(Value(sink.records[0], "STATUS"), "S");
}

TEST_F(IlgTextImport, aLineLongerThan511CharactersContinuesAsAReadOfItsOwn) {
    std::string first = DataLine("First");
    Put(first, 296, "S");
    first.resize(kIlgMaxRead, 'x');
    const std::string continuation = DataLine("Second", "1200-1300").substr(0, 89);
    const std::string exactly511 = DataLine("Third").append(kIlgMaxRead - 297, 'y');

    ASSERT_TRUE(Run(first + continuation + "\n" + exactly511 + "\n"));
    ASSERT_EQ(sink.records.size(), 3u);
    EXPECT_EQ(Value(sink.records[0], "STATUS"), "S");
    EXPECT_EQ(Value(sink.records[1], "STATION"), "Second                ");
    EXPECT_EQ(Value(sink.records[1], "START"), "12:00");
    EXPECT_EQ(Value(sink.records[2], "STATION"), "Third                 ");
    EXPECT_EQ(ui.progressCalls.front(), std::make_pair(0, 4)) << "the line end after 511 characters is a read";
}

TEST(IlgFrequency, onlyADecimalNumberFillingTheFieldToItsEndCounts) {
    EXPECT_EQ(ParseIlgFrequency("   6005"), 6005.0);
    EXPECT_EQ(ParseIlgFrequency("6005.00"), 6005.0);
    EXPECT_EQ(ParseIlgFrequency(" 4885.3"), 4885.3);
    EXPECT_EQ(ParseIlgFrequency("  +6005"), 6005.0);
    EXPECT_EQ(ParseIlgFrequency("  -15.5"), -15.5);
    EXPECT_EQ(ParseIlgFrequency("  6.5e3"), 6500.0);
    EXPECT_EQ(ParseIlgFrequency("\t\v   .5"), 0.5);
    EXPECT_EQ(ParseIlgFrequency("  15.5 "), 0.0);
    EXPECT_EQ(ParseIlgFrequency("6005   "), 0.0);
    EXPECT_EQ(ParseIlgFrequency("  6O05 "), 0.0);
    EXPECT_EQ(ParseIlgFrequency("   6e+ "), 0.0);
    EXPECT_EQ(ParseIlgFrequency("6005,00"), 0.0);
    EXPECT_EQ(ParseIlgFrequency("       "), 0.0);
    EXPECT_EQ(ParseIlgFrequency("      ."), 0.0);
    EXPECT_EQ(ParseIlgFrequency("   0x10"), 0.0);
    EXPECT_EQ(ParseIlgFrequency("    inf"), 0.0);
    EXPECT_EQ(ParseIlgFrequency("    nan"), 0.0);
    EXPECT_EQ(ParseIlgFrequency("  1e999"), 0.0);
    EXPECT_EQ(ParseIlgFrequency(std::string("  60\0 5", 7)), 0.0);
}

TEST_F(IlgTextImport, aLeftAlignedFrequencyStillGivesARecordWithZeroKilohertz) {
    std::string line = DataLine();
    Put(line, 0, "6005   ");
    ASSERT_TRUE(Run(line + "\n"));
    ASSERT_EQ(sink.records.size(), 1u);
    EXPECT_EQ(sink.records[0].freq, 0.0);
}

TEST(IlgTargetAreas, eachSlotCountsOnlyForItsOwnUpperCaseCode) {
    const auto areas = [](const std::vector<std::pair<size_t, std::string_view>>& slots) {
        std::string line = DataLine();
        for (const auto& [column, code] : slots) Put(line, column, code);
        return Value(*ParseIlgLine(line + "\n"), "TARGETAR");
    };
    EXPECT_EQ(areas({{176, "EU"}, {178, "AF"}}), "EU AF ");
    EXPECT_EQ(areas({{170, "NA"},
                     {172, "CA"},
                     {174, "SA"},
                     {176, "EU"},
                     {178, "AF"},
                     {180, "ME"},
                     {182, "AS"},
                     {184, "AU"},
                     {186, "PA"}}),
              "NA CA SA EU AF ME AS AU PA ");
    EXPECT_EQ(areas({{176, "eu"}}), std::nullopt);
    EXPECT_EQ(areas({{176, "AF"}}), std::nullopt);
    EXPECT_EQ(areas({{177, "EU"}}), std::nullopt);
    EXPECT_EQ(areas({}), std::nullopt);
}

TEST_F(IlgTextImport, aShortFirstLineAsksOnceAndNoEndsTheImport) {
    const std::string content = Lines({DataLine("Short").substr(0, 60), DataLine("Full")});
    ASSERT_FALSE(Run(content));
    const std::vector<std::string> asked{
        "The input file seems to be no ILG source file.\nDo you want to continue reading it?"};
    EXPECT_EQ(ui.questions, asked);
    EXPECT_EQ(ui.defaultNoQuestions, asked) << "Enter must not let a junk list in";
    EXPECT_TRUE(sink.records.empty());
    EXPECT_TRUE(ui.progressCalls.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(IlgTextImport, yesToTheFirstLineQuestionImportsTheWholeFileIncludingThatLine) {
    ui.answers = {true, true};
    ASSERT_TRUE(Run(Lines({DataLine("Short").substr(0, 60), DataLine().substr(0, 20), DataLine("Full")})));
    EXPECT_EQ(ui.questions.size(), 1u);
    ASSERT_EQ(sink.records.size(), 2u);
    EXPECT_EQ(Value(sink.records[0], "STATION"), "Short                 ");
}

TEST_F(IlgTextImport, anEmptyFileFailsWithoutAnyMessage) {
    EXPECT_FALSE(Run(""));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(sink.calls, 0);
}

TEST_F(IlgTextImport, theProgressBarSpansAllReadsAndMovesEveryHundredLines) {
    std::vector<std::string> lines(150, DataLine());
    ASSERT_TRUE(Run(Lines(lines)));
    EXPECT_EQ(ui.progressCaptions, std::vector<std::string>{"ZOFAR  Creating a new Database"});
    EXPECT_EQ(ui.progressCalls, (std::vector<std::pair<int, int>>{{0, 150}, {-1, 100}}));

    ui.progressCalls.clear();
    lines.resize(250, "skipped");
    ASSERT_TRUE(Run(Lines(lines)));
    EXPECT_EQ(ui.progressCalls, (std::vector<std::pair<int, int>>{{0, 250}, {-1, 100}, {-1, 200}}));
}

TEST_F(IlgTextImport, aFailingSinkStopsTheImportWithoutAFurtherMessage) {
    sink.failAt = 2;
    EXPECT_FALSE(Run(Lines(std::vector<std::string>(5, DataLine()))));
    EXPECT_EQ(sink.calls, 2);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(IlgTextImport, cp1252TextArrivesAsUtf8WithColumnsCountedInBytes) {
    std::string line = DataLine(
        "R\xE1"
        "dio S\xE3o Tom\xE9 \x80");
    Put(line, 45, "Portugu\xEAs");
    ASSERT_TRUE(Run(line + "\n"));
    ASSERT_EQ(sink.records.size(), 1u);
    EXPECT_EQ(Value(sink.records[0], "STATION"), "Rádio São Tomé €" + std::string(6, ' '));
    EXPECT_EQ(Value(sink.records[0], "START"), "00:00");
    EXPECT_EQ(Value(sink.records[0], "LANGUAGE"), "Português" + std::string(9, ' '));
}

TEST_F(IlgTextImport, binaryGarbageGivesOnlyValuesTheStoreCanTake) {
    std::mt19937 rng(7);
    std::string garbage(256 * 1024, '\0');
    for (auto& c : garbage) c = static_cast<char>(rng() % 256);
    // Some lines long enough and with a separator where one belongs, so records do come out.
    for (size_t at = 0; at + 300 < garbage.size(); at += 5000) {
        garbage[at] = '\n';
        garbage[at + 34] = '-';
    }
    ui.answers = {true};
    ASSERT_TRUE(Run(garbage));
    ASSERT_FALSE(sink.records.empty());
    for (const auto& record : sink.records) {
        for (int column = 2; column < kColumnCount; ++column) {
            const auto& value = record.text[static_cast<size_t>(column)];
            if (!value) continue;
            EXPECT_TRUE(IsValidUtf8(*value));
            EXPECT_LE(Utf8Length(*value), static_cast<size_t>(kColumnTable[static_cast<size_t>(column)].size))
                << kColumnTable[static_cast<size_t>(column)].name;
        }
    }
}

TEST(IlgTextImportFile, readsTheFileNamedByFolderAndName) {
    test::TempDir folder;
    std::ofstream(folder.file("list.txt"), std::ios::binary) << DataLine("One") + "\n" + DataLine("Two") + "\n";
    test::MemorySink sink;
    test::FakeScreen ui;
    ASSERT_TRUE(ImportIlgText(folder.folder(), "list.txt", sink, ui));
    ASSERT_EQ(sink.records.size(), 2u);
    EXPECT_EQ(Value(sink.records[1], "STATION"), "Two                   ");
}

TEST(IlgTextImportFile, aMissingFileAFolderAFifoOrADeviceIsReportedAsUnopenable) {
    test::TempDir folder;
    // Neither a FIFO nor an endless device may hold the import up.
    ASSERT_EQ(::mkfifo(folder.file("fifo.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.file("zero.txt"));
    for (const std::string name : {"missing.txt", "", "fifo.txt", "zero.txt"}) {
        test::MemorySink sink;
        test::FakeScreen ui;
        EXPECT_FALSE(ImportIlgText(folder.folder(), name, sink, ui)) << name;
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Error opening the ILG source file!"}) << name;
        EXPECT_EQ(ui.progressCaptions.size(), 1u);
        EXPECT_EQ(sink.calls, 0);
    }
}

}  // namespace
}  // namespace zofar
