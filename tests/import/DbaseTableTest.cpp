#include "import/DbaseTable.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "import/DbaseError.h"
#include "import/IlgDbaseWriter.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using test::DbaseFieldDef;
using test::DbaseRow;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

template <typename F>
std::string ErrorOf(F&& action) {
    try {
        action();
    } catch (const DbaseError& e) {
        return e.what();
    }
    return "";
}

std::string OpenError(const std::string& path) {
    return ErrorOf([&] { DbaseTable table(path); });
}

const std::vector<DbaseFieldDef> kMixedFields = {
    {"Name", FTString, 8}, {"POWER", FTDouble, 8, 2}, {"ON", FTLogical, 1}, {"SINCE", FTDate, 8}};

TEST(DbaseTable, readsEachFieldTypeWithItsNullForms) {
    test::TempDir dir;
    DbaseRow full;
    full.text = {{"Name", "  ab   "}, {"ON", "T"}, {"SINCE", "20240102"}};
    full.numbers = {{"POWER", 2.5}};
    DbaseRow nulls;
    nulls.nulls = {"POWER", "ON", "SINCE"};
    DbaseRow blank;
    blank.text = {{"ON", "F"}};
    blank.deleted = true;
    ASSERT_TRUE(test::WriteDbaseTable(dir.file("t.dbf"), kMixedFields, {full, nulls, blank}));

    const DbaseTable table(dir.file("t.dbf"));
    ASSERT_EQ(table.RecordCount(), 3);
    const std::vector<std::vector<DbaseValue>> expected = {
        {std::string("  ab"), 2.5, std::string("T"), std::string("2024-01-02")},
        {DbaseValue{}, DbaseValue{}, DbaseValue{}, DbaseValue{}},
        {DbaseValue{}, DbaseValue{}, std::string("F"), DbaseValue{}},
    };
    for (int r = 0; r < 3; ++r) {
        for (int f = 0; f < 4; ++f) EXPECT_EQ(table.ReadValue(r, f), expected[size_t(r)][size_t(f)]) << r << "/" << f;
    }
    EXPECT_FALSE(table.IsDeleted(1));
    EXPECT_TRUE(table.IsDeleted(2));
    EXPECT_EQ(table.FieldIndex("NAME"), 0);
    EXPECT_EQ(table.FieldIndex("since"), 3);
    EXPECT_EQ(table.FieldIndex("NAM"), std::nullopt);
    EXPECT_EQ(ErrorOf([&] { table.ReadValue(3, 0); }), "Record 4 of the dBASE table 't.dbf' cannot be read.");
}

TEST(DbaseTable, characterValuesEndAtANulAndBadNumbersOrMemosThrowNamingTheField) {
    test::TempDir dir;
    const std::string path = dir.file("t.dbf");
    DbaseRow row;
    row.text = {{"Name", "ab cd"}};
    ASSERT_TRUE(test::WriteDbaseTable(path, {{"Name", FTString, 8}, {"POWER", FTString, 8}, {"NOTE", FTString, 10}},
                                      {row}));
    std::string bytes = ReadBytes(path);
    const size_t header = 32 + 3 * 32 + 1;
    bytes[header + 1 + 2] = '\0';                         // "ab", NUL, "cd"
    bytes[32 + 32 + 11] = 'N';                            // POWER becomes numeric, holding blanks
    bytes.replace(header + 1 + 8, 3, "12x");
    bytes[32 + 64 + 11] = 'M';                            // NOTE becomes a memo
    WriteBytes(path, bytes);

    const DbaseTable table(path);
    EXPECT_EQ(table.ReadValue(0, 0), DbaseValue(std::string("ab")));
    EXPECT_EQ(ErrorOf([&] { table.ReadValue(0, 1); }),
              "Record 1 of the dBASE table 't.dbf' holds '12x' in the numeric field 'POWER', which is not a number.");
    EXPECT_EQ(ErrorOf([&] { table.ReadValue(0, 2); }),
              "The field 'NOTE' of the dBASE table 't.dbf' has the type 'M', which cannot be read.");
}

TEST(DbaseTable, codePageComesFromTheCodePageFileElseTheLanguageDriver) {
    test::TempDir dir;
    ASSERT_TRUE(test::WriteDbaseTable(dir.file("a.dbf"), kMixedFields, {}, "LDID/2"));
    ASSERT_TRUE(test::WriteDbaseTable(dir.file("b.dbf"), kMixedFields, {}, "ANSI 1251"));
    std::string bytes = ReadBytes(dir.file("a.dbf"));
    bytes[29] = 0;
    WriteBytes(dir.file("c.dbf"), bytes);
    EXPECT_EQ(DbaseTable(dir.file("a.dbf")).CodePage(), "LDID/2");
    EXPECT_EQ(DbaseTable(dir.file("b.dbf")).CodePage(), "ANSI 1251");
    EXPECT_EQ(DbaseTable(dir.file("c.dbf")).CodePage(), "");
}

TEST(DbaseTable, opensTheNamedFileWhateverItsExtensionNotAnotherBesideIt) {
    test::TempDir dir;
    DbaseRow mine, other;
    mine.text = {{"Name", "mine"}};
    other.text = {{"Name", "other"}};
    ASSERT_TRUE(test::WriteDbaseTable(dir.file("list.dbf"), kMixedFields, {other}));
    ASSERT_TRUE(test::WriteDbaseTable(dir.file("mine.dbf"), kMixedFields, {mine}, "1251"));
    for (const char* name : {"list.Dbf", "list.xyz", "list"}) {
        std::filesystem::copy_file(dir.file("mine.dbf"), dir.file(name));
        const DbaseTable table(dir.file(name));
        EXPECT_EQ(table.ReadValue(0, 0), DbaseValue(std::string("mine"))) << name;
    }
    std::filesystem::rename(dir.file("mine.cpg"), dir.file("list.CPG"));
    EXPECT_EQ(DbaseTable(dir.file("list.Dbf")).CodePage(), "1251");
}

TEST(DbaseTable, aMissingFileAFolderOrAFifoIsRefusedWithoutBlocking) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo.dbf").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("folder.dbf"));
    EXPECT_EQ(OpenError(dir.file("none.dbf")), "Cannot open the dBASE table 'none.dbf': No such file or directory.");
    EXPECT_EQ(OpenError(dir.file("folder.dbf")), "Cannot open the dBASE table 'folder.dbf': it is not a regular file.");
    EXPECT_EQ(OpenError(dir.file("fifo.dbf")), "Cannot open the dBASE table 'fifo.dbf': it is not a regular file.");
}

TEST(DbaseTable, aDamagedStructureFailsBeforeShapelibReadsIt) {
    test::TempDir dir;
    const std::string path = dir.file("t.dbf");
    DbaseRow row;
    row.text = {{"Name", "x"}};
    ASSERT_TRUE(test::WriteDbaseTable(path, kMixedFields, std::vector<DbaseRow>(10, row)));
    const std::string good = ReadBytes(path);  // header 161 bytes, records of 26 bytes
    const auto patched = [&good](size_t at, std::string_view with) {
        std::string bytes = good;
        bytes.replace(at, with.size(), with);
        return bytes;
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {good.substr(0, 31), "it is shorter than the 32 bytes of a dBASE header"},
        {patched(8, std::string("\x20\x00", 2)), "its header length of 32 bytes is too small"},
        {good.substr(0, 150), "its header of 161 bytes is longer than the file"},
        {patched(10, std::string("\x00\x00", 2)), "its record length is 0"},
        {patched(10, std::string("\x19\x00", 2)),
         "its fields need 26 bytes per record, more than its record length of 25"},
        {good.substr(0, 161 + 26 * 5 + 13),
         "it is cut short: its header announces 10 records of 26 bytes, the file holds 5"},
        {patched(4, "\xff\xff\xff\xff"), "it announces 4294967295 records, more than can be read"},
        {patched(4, std::string("\x00\x00\x00\x01", 4)), "it is cut short: its header announces 16777216 records"},
    };
    for (const auto& [bytes, detail] : cases) {
        WriteBytes(path, bytes);
        const std::string error = OpenError(path);
        EXPECT_TRUE(error.starts_with("The dBASE table 't.dbf' is damaged: " + detail)) << error;
    }
}

// Run under valgrind or AddressSanitizer once when the reader changes: no file may make it
// read outside what it holds.
TEST(DbaseTable, randomAndMutatedFilesEitherFailOrReadWithinBounds) {
    test::TempDir dir;
    const std::string path = dir.file("t.dbf");
    ASSERT_TRUE(test::WriteDbaseTable(path, kMixedFields, std::vector<DbaseRow>(3, DbaseRow{})));
    const std::string good = ReadBytes(path);
    std::mt19937 rng(11);
    int opened = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        if (round % 2 == 0) {
            bytes.resize(rng() % 400);
            for (auto& c : bytes) c = static_cast<char>(rng());
        } else {
            bytes = good.substr(0, good.size() - rng() % 8);
            for (int k = 0; k < 3; ++k) bytes[rng() % (k == 0 ? 32 : bytes.size())] = static_cast<char>(rng());
        }
        WriteBytes(path, bytes);
        try {
            const DbaseTable table(path);
            ++opened;
            for (int r = 0; r < table.RecordCount(); ++r) {
                for (int f = 0; f < static_cast<int>(table.Fields().size()); ++f) {
                    try {
                        table.ReadValue(r, f);
                    } catch (const DbaseError&) {
                    }
                }
            }
        } catch (const DbaseError& e) {
            EXPECT_NE(std::string(e.what()), "");
        }
    }
    EXPECT_GT(opened, 0) << "some mutations keep a readable table";
}

TEST(DbaseNumber, onlyAWholeFiniteDecimalNumberReads) {
    EXPECT_EQ(ParseDbaseNumber("  6005.50 "), 6005.5);
    EXPECT_EQ(ParseDbaseNumber("-2.5e3"), -2500.0);
    EXPECT_EQ(ParseDbaseNumber("+.5"), 0.5);
    for (const char* bad : {"", "   ", "6005,5", "12x", "0x10", "inf", "nan", "1e999", "+-1", "- 1"}) {
        EXPECT_EQ(ParseDbaseNumber(bad), std::nullopt) << bad;
    }
}

}  // namespace
}  // namespace zofar
