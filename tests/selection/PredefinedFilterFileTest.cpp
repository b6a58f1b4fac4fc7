#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "selection/PredefinedFilterFile.h"
#include "support/Files.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::ReadBytes;
using zofar::test::TempDir;
using zofar::test::WriteBytes;

namespace {

constexpr char V = '\x0B';

// A line as the program writes it: every flag 0, the given name and lower frequency, empty texts.
std::string Line(const std::string& name, const std::string& frequency1 = "0.0") {
    std::string line = name + V;
    for (int i = 0; i < 16; ++i) line += std::string("0") + V;
    line += frequency1 + V + "1000000.0" + V;
    for (int i = 0; i < 14; ++i) line += V;
    return line + "\n";
}

CPredefFilter Sample() {
    CPredefFilter f;
    f.name = "Evening Europe";
    f.criteria.BFFrequency = 1;
    f.criteria.BFStation = 1;
    f.criteria.BFExactMatch = 1;
    f.criteria.BFOnairNow = 1;
    f.criteria.FFrequency1 = 5900.0;
    f.criteria.FFrequency2 = 6200.5;
    f.criteria.FStation = " BBC|Voice";
    f.criteria.FStart = "22:00";
    f.criteria.FOnairTime = "18:30";
    return f;
}

}  // namespace

TEST(PredefinedFilterFile, formatWritesTheThirtyThreeFieldsInOrderEachFollowedByTheSeparator) {
    const std::string v(1, V);
    const std::string expected = "Evening Europe" + v + "1" + v + "1" + v + "0" + v + "0" + v + "0" + v + "0" + v +
                                 "0" + v + "0" + v + "0" + v + "0" + v + "0" + v + "0" + v + "0" + v + "0" + v + "1" +
                                 v + "1" + v + "5900.0" + v + "6200.5" + v + " BBC|Voice" + v + v + v + v + v + v +
                                 "22:00" + v + v + v + v + v + v + v + "18:30" + v + "\n";
    EXPECT_EQ(FormatPredefinedFilterLine(Sample()), expected);
}

TEST(PredefinedFilterFile, anEntryOfZeroAndOneFlagsSavesLoadsAndSavesByteForByte) {
    TempDir dir;
    const std::string path = dir.file("zofar.dat");
    CPredefFilter second;
    second.name = "Sender München";
    second.criteria.FFrequency1 = 0.05;
    second.criteria.FFrequency2 = 1e9;
    ASSERT_TRUE(SavePredefinedFilterFile(path, PredefinedFilterList({Sample(), second}), false));
    const std::string first = ReadBytes(path);

    const PredefinedFilterLoad load = LoadPredefinedFilterFile(path);
    EXPECT_FALSE(load.keepOldOnSave);
    ASSERT_EQ(load.entries.size(), 2u);
    EXPECT_EQ(load.entries[0], Sample());
    ASSERT_TRUE(SavePredefinedFilterFile(path, PredefinedFilterList(load.entries), false));
    EXPECT_EQ(ReadBytes(path), first);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
}

TEST(PredefinedFilterFile, aNameOnlyLineKeepsItsLineEndAndReadsEveryFlagAsOne) {
    const auto entry = ParsePredefinedFilterLine("Europe\n");
    ASSERT_TRUE(entry);
    CPredefFilter expected;
    expected.name = "Europe\n";
    FilterCriteria& c = expected.criteria;
    for (uint32_t* flag :
         {&c.BFFrequency, &c.BFStation, &c.BFCountry, &c.BFItu, &c.BFLanguage, &c.BFTargetarea, &c.BFDay, &c.BFOnair,
          &c.BFTime, &c.BFStatus, &c.BFP, &c.BFStn, &c.BFLc, &c.BFLocation, &c.BFExactMatch, &c.BFOnairNow}) {
        *flag = 1;
    }
    c.FFrequency1 = 0.0;
    c.FFrequency2 = 0.0;
    EXPECT_EQ(*entry, expected);
}

TEST(PredefinedFilterFile, onlyAFlagFieldOfExactlyZeroReadsAsZero) {
    for (const auto& [field, flag] : std::vector<std::pair<std::string, uint32_t>>{
             {"0", 0}, {"1", 1}, {"2", 1}, {"", 1}, {" 0", 1}, {"00", 1}, {"x", 1}}) {
        std::string line = Line("f");
        line.replace(line.find(V) + 1, 1, field);  // the first flag, BFFrequency
        const auto entry = ParsePredefinedFilterLine(line);
        ASSERT_TRUE(entry) << field;
        EXPECT_EQ(entry->criteria.BFFrequency, flag) << field;
        EXPECT_EQ(entry->criteria.BFStation, 0u) << field;
    }
}

TEST(PredefinedFilterFile, frequenciesReadWithACommaAndAFieldThatIsNoNumberRefusesTheLine) {
    const auto entry = ParsePredefinedFilterLine(Line("f", "6055,5"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->criteria.FFrequency1, 6055.5);
    EXPECT_EQ(entry->criteria.FFrequency2, 1000000.0);
    for (const char* bad : {"abc", "6055.5x", "inf", "1,2,3"}) {
        EXPECT_FALSE(ParsePredefinedFilterLine(Line("f", bad))) << bad;
    }
}

TEST(PredefinedFilterFile, whateverFollowsTheLastSeparatorIsIgnoredSoCrLfReadsAsLf) {
    std::string crlf = Line("f");
    crlf.insert(crlf.size() - 1, "\r");
    std::string extra = Line("f");
    extra.insert(extra.size() - 1, "more" + std::string(1, V) + "fields");
    EXPECT_EQ(ParsePredefinedFilterLine(crlf), ParsePredefinedFilterLine(Line("f")));
    EXPECT_EQ(ParsePredefinedFilterLine(extra), ParsePredefinedFilterLine(Line("f")));
}

TEST(PredefinedFilterFile, aLineWhoseFrequencyDoesNotReadIsSkippedAndTheFileIsKeptAtTheNextSave) {
    TempDir dir;
    const std::string path = dir.file("zofar.dat");
    const std::string old = Line("first") + Line("second", "abc") + Line("third");
    WriteBytes(path, old);

    const PredefinedFilterLoad load = LoadPredefinedFilterFile(path);
    ASSERT_EQ(load.entries.size(), 2u);
    EXPECT_EQ(load.entries[0].name, "first");
    EXPECT_EQ(load.entries[1].name, "third");
    EXPECT_TRUE(load.keepOldOnSave);

    ASSERT_TRUE(SavePredefinedFilterFile(path, PredefinedFilterList(load.entries), load.keepOldOnSave));
    EXPECT_EQ(ReadBytes(path + ".bak"), old);
    EXPECT_EQ(ReadBytes(path), Line("first") + Line("third"));
}

TEST(PredefinedFilterFile, aLongLineIsReadInPiecesOfTheMaximumNumberOfCharacters) {
    std::string text;
    for (int i = 0; i < 9000; ++i) text += "é";  // two bytes each: pieces count characters
    const PredefinedFilterLoad load = ParsePredefinedFilterText(text + "\n" + Line("next"));
    ASSERT_EQ(load.entries.size(), 3u);
    EXPECT_EQ(load.entries[0].name.size(), 2 * kPredefinedFilterMaxLineChars);
    EXPECT_EQ(load.entries[1].name.size(), 2 * (9000 - kPredefinedFilterMaxLineChars) + 1);
    EXPECT_EQ(load.entries[2].name, "next");
    EXPECT_TRUE(load.keepOldOnSave);
}

TEST(PredefinedFilterFile, aFileThatIsNotUtf8IsReadAsCp1252WithoutAByteOrderMark) {
    EXPECT_EQ(ParsePredefinedFilterText(Line("Sender M\xFC"
                                             "nchen"))
                  .entries.at(0)
                  .name,
              "Sender München");
    EXPECT_EQ(ParsePredefinedFilterText(Line("Fran\xE7"
                                             "aise \x80"))
                  .entries.at(0)
                  .name,
              "Française €");
    EXPECT_EQ(ParsePredefinedFilterText("\xEF\xBB\xBF" + Line("Wien")).entries.at(0).name, "Wien");
}

TEST(PredefinedFilterFile, randomBytesLoadWithoutACrashAndWhatLoadedSavesAsOneLineEach) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        const int length = byte(random) * 16;
        for (int i = 0; i < length; ++i) {
            const int b = byte(random);
            bytes += b < 40 ? V : b < 50 ? '\n' : b < 60 ? '0' : static_cast<char>(b);
        }
        const PredefinedFilterLoad load = ParsePredefinedFilterText(bytes);
        std::string saved;
        for (const CPredefFilter& entry : load.entries) saved += FormatPredefinedFilterLine(entry);
        const PredefinedFilterLoad again = ParsePredefinedFilterText(saved);
        EXPECT_EQ(again.entries.size(), load.entries.size());
        EXPECT_FALSE(again.keepOldOnSave);
    }
}

TEST(PredefinedFilterFile, aMissingFileIsEmptyAndAnUnreadableOneIsKeptAtTheNextSave) {
    TempDir dir;
    const PredefinedFilterLoad missing = LoadPredefinedFilterFile(dir.file("zofar.dat"));
    EXPECT_TRUE(missing.entries.empty());
    EXPECT_FALSE(missing.keepOldOnSave);

    const std::string path = dir.file("big.dat");
    const std::string old = Line("f") + std::string(kPredefinedFilterMaxFileBytes, 'x');
    WriteBytes(path, old);
    const PredefinedFilterLoad tooLarge = LoadPredefinedFilterFile(path);
    EXPECT_TRUE(tooLarge.entries.empty());
    EXPECT_TRUE(tooLarge.keepOldOnSave);
    ASSERT_TRUE(SavePredefinedFilterFile(path, PredefinedFilterList(), tooLarge.keepOldOnSave));
    EXPECT_EQ(ReadBytes(path + ".bak"), old);
    EXPECT_EQ(ReadBytes(path), "");

    std::filesystem::create_directory(dir.file("folder.dat"));
    EXPECT_TRUE(LoadPredefinedFilterFile(dir.file("folder.dat")).keepOldOnSave);
}

TEST(PredefinedFilterFile, linesPastTheEntryLimitAreNotLoadedAndTheFileIsKept) {
    const PredefinedFilterLoad load = ParsePredefinedFilterText(std::string(kPredefinedFilterMaxEntries + 1, '\n'));
    EXPECT_EQ(load.entries.size(), kPredefinedFilterMaxEntries);
    EXPECT_TRUE(load.keepOldOnSave);
    EXPECT_FALSE(ParsePredefinedFilterText(std::string(kPredefinedFilterMaxEntries, '\n')).keepOldOnSave);
}

TEST(PredefinedFilterFile, aFailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.file("zofar.dat");
    const std::string old = Line("old");
    WriteBytes(path, old);
    std::vector<CPredefFilter> many(200, Sample());

    // A file-size limit makes the write stop partway, as a full disk would.
    bool written = true;
    {
        const test::FileSizeLimit limit(4096);
        written = SavePredefinedFilterFile(path, PredefinedFilterList(many), false);
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), old);
}

TEST(PredefinedFilterFile, namesAndTextsWithLineBreakingCharactersAreStoredWithBlanks) {
    for (const char* name : {"a\nb", "a\rb",
                             "a\x0B"
                             "b",
                             "\n"})
        EXPECT_FALSE(IsStorableFilterName(name)) << name;
    for (const char* name : {"", "Europe\tevening", " BBC "}) EXPECT_TRUE(IsStorableFilterName(name)) << name;

    FilterCriteria texts;
    texts.FStation = "a\r\nb";
    texts.FOnairTime =
        "12\x0B"
        "00";
    texts.FLocation = "tab\tstays";
    const FilterCriteria stored = WithStorableTexts(texts);
    EXPECT_EQ(stored.FStation, "a  b");
    EXPECT_EQ(stored.FOnairTime, "12 00");
    EXPECT_EQ(stored.FLocation, "tab\tstays");

    // A loaded name that holds its line end saves as one line, not as two entries.
    CPredefFilter entry;
    entry.name = "Europe\n";
    entry.criteria = texts;
    const PredefinedFilterLoad load = ParsePredefinedFilterText(FormatPredefinedFilterLine(entry));
    ASSERT_EQ(load.entries.size(), 1u);
    EXPECT_EQ(load.entries[0].name, "Europe ");
    EXPECT_EQ(load.entries[0].criteria, stored);
}
