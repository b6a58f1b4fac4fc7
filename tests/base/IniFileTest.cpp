#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "base/IniFile.h"
#include "support/Files.h"
#include "support/TempDir.h"

using namespace zofar;
using namespace zofar::test;

TEST(IniFile, namesCompareWithoutCaseAndTheFirstMatchCounts) {
    const IniFile ini =
        IniFile::FromText("[settings]\r\n  database = Europe  \r\nDATABASE=Second\r\n[Settings]\r\nSort=FREQ\r\n");
    EXPECT_EQ(ini.GetString("Settings", "Database", "x"), "Europe");
    EXPECT_EQ(ini.GetString("SETTINGS", "Sort", "none"), "none");
    EXPECT_EQ(ini.GetString("Output", "Database", "dflt  "), "dflt");
}

TEST(IniFile, matchingQuotesAreRemovedAndKeepInnerBlanks) {
    const IniFile ini = IniFile::FromText("[S]\nA=\" BBC \"\nB='x'\nC=\"x'\nD=\"\nE\nF=\n");
    EXPECT_EQ(ini.GetString("S", "A", ""), " BBC ");
    EXPECT_EQ(ini.GetString("S", "B", ""), "x");
    EXPECT_EQ(ini.GetString("S", "C", ""), "\"x'");
    EXPECT_EQ(ini.GetString("S", "D", ""), "\"");
    EXPECT_EQ(ini.GetString("S", "E", "default"), "default");  // a line without '='
    EXPECT_EQ(ini.GetString("S", "F", "default"), "");
}

TEST(IniFile, valuesAreCutAfter4095Characters) {
    std::string umlauts;
    for (int i = 0; i < 5000; ++i) umlauts += "\u00FC";
    const IniFile ini = IniFile::FromText("[S]\nK=" + umlauts + "\n");
    EXPECT_EQ(ini.GetString("S", "K", ""), umlauts.substr(0, 2 * 4095));
}

TEST(IniFile, integersReadTheLeadingNumberAsWindowsDoes) {
    const IniFile ini = IniFile::FromText("[S]\na=12abc\nb=abc\nc= -7\nd=\ne=+5\nf=4294967297\ng=\" 3\"\n");
    EXPECT_EQ(ini.GetInt("S", "a", 99), 12);
    EXPECT_EQ(ini.GetInt("S", "b", 99), 0);
    EXPECT_EQ(ini.GetInt("S", "c", 99), -7);
    EXPECT_EQ(ini.GetInt("S", "d", 99), 99);
    EXPECT_EQ(ini.GetInt("S", "e", 99), 5);
    EXPECT_EQ(ini.GetInt("S", "f", 99), 1);
    EXPECT_EQ(ini.GetInt("S", "g", 99), 3);
    EXPECT_EQ(ini.GetInt("S", "missing", 99), 99);
}

TEST(IniFile, writtenValuesReadBackAsWritten) {
    IniFile ini;
    for (const char* value : {" leading", "trailing ", "\"quoted\"", "'single'", "plain", ""}) {
        ini.SetString("S", "K", value);
        EXPECT_EQ(IniFile::FromText(ini.Text()).GetString("S", "K", "?"), value);
    }
}

TEST(IniFile, aValueCannotInjectLinesIntoTheFile) {
    IniFile ini;
    ini.SetString("Settings", "FStation", "x\n[Window]\r\nWindowpos=1");
    const IniFile reread = IniFile::FromText(ini.Text());
    EXPECT_EQ(reread.GetString("Window", "Windowpos", "none"), "none");
    EXPECT_EQ(reread.GetString("Settings", "FStation", ""), "x [Window]  Windowpos=1");
}

TEST(IniFile, aValueThatIsNotUtf8LeavesTheOtherValuesAsWritten) {
    IniFile ini;
    ini.SetString("Settings", "Database", "M\xFCnchen");
    ini.SetString("Settings", "FStation", "R\u00E1dio");
    const IniFile reread = IniFile::FromText(ini.Text());
    EXPECT_EQ(reread.GetString("Settings", "FStation", ""), "R\u00E1dio");
    EXPECT_EQ(reread.GetString("Settings", "Database", ""), "M\u00FCnchen");
}

TEST(IniFile, rewritingKeepsUnknownLinesAndPlacesNewKeysInTheirSection) {
    IniFile ini = IniFile::FromText("; notes\n[Settings]\nDatabase=Old\nOther=kept\n\n[Plugin]\nx=1\n");
    ini.SetString("settings", "database", "New");
    ini.SetString("Settings", "Sort", "FREQ");
    ini.SetInt("Window", "Toolbar", 0);
    EXPECT_EQ(ini.Text(),
              "; notes\n[Settings]\ndatabase=New\nOther=kept\nSort=FREQ\n\n[Plugin]\nx=1\n"
              "\n[Window]\nToolbar=0\n");
}

TEST(IniFile, textThatIsNotUtf8IsReadAsCp1252AndWrittenAsUtf8) {
    TempDir dir;
    const std::string path = dir.file("ZOFAR.INI");
    WriteBytes(path, "[Settings]\r\nFCountry=Z\xFCrich \x80\r\n");
    IniFile ini = IniFile::Load(path);
    EXPECT_EQ(ini.GetString("Settings", "FCountry", ""), "Z\u00FCrich \u20AC");
    ASSERT_TRUE(ini.Save(path));
    EXPECT_EQ(ReadBytes(path), "[Settings]\nFCountry=Z\u00FCrich \u20AC\n");
}

TEST(IniFile, missingBinaryAndOversizedFilesReadWithoutHarm) {
    TempDir dir;
    EXPECT_EQ(IniFile::Load(dir.file("absent.INI")).GetInt("S", "K", 7), 7);
    EXPECT_EQ(IniFile::Load(dir.folder()).GetInt("S", "K", 7), 7);

    std::mt19937 random(42);
    std::string binary(200000, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    binary += "\n[S]\nK=5";
    WriteBytes(dir.file("binary.INI"), binary);
    EXPECT_EQ(IniFile::Load(dir.file("binary.INI")).GetInt("S", "K", 7), 5);

    const std::string huge = "[S]\nK=5\n" + std::string(IniFile::kMaxFileBytes, 'x');
    WriteBytes(dir.file("huge.INI"), huge);
    EXPECT_EQ(IniFile::Load(dir.file("huge.INI")).GetInt("S", "K", 7), 7);
}

TEST(IniFile, anOversizedFileIsKeptAsBackupWhenReplaced) {
    TempDir dir;
    const std::string path = dir.file("ZOFAR.INI");
    const std::string huge = "[S]\nK=5\n" + std::string(IniFile::kMaxFileBytes, 'x');
    WriteBytes(path, huge);
    IniFile ini = IniFile::Load(path);
    ini.SetInt("S", "K", 6);
    ASSERT_TRUE(ini.Save(path));
    EXPECT_EQ(ReadBytes(path), "[S]\nK=6\n");
    EXPECT_EQ(ReadBytes(path + ".bak"), huge);
}
