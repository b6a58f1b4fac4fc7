#include <gtest/gtest.h>

#include <fstream>
#include <numeric>
#include <random>
#include <sstream>

#include "document/SettingsFile.h"
#include "base/TextRules.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::TempDir;

namespace {

DocumentSettings LoadFrom(const std::string& text) {
    DocumentSettings settings;
    settings.criteria.BFStation = 77;  // every member must be assigned by the load
    settings.output.printFontHeight = 77;
    LoadSettings(IniFile::FromText(text), settings);
    return settings;
}

std::string Numbers(int first, int count, std::initializer_list<int> head = {}) {
    std::string text;
    for (int n : head) text += std::to_string(n) + ",";
    for (int i = first; i < first + count; ++i) text += std::to_string(i) + ",";
    text.pop_back();
    return text;
}

std::array<int, kAllFieldCount> Identity() {
    std::array<int, kAllFieldCount> order{};
    std::iota(order.begin(), order.end(), 0);
    return order;
}

std::vector<std::string> KeysOf(const std::string& text, const std::string& section) {
    std::vector<std::string> keys;
    std::istringstream in(text);
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('[')) {
            inside = line == "[" + section + "]";
        } else if (inside && line.find('=') != std::string::npos) {
            keys.push_back(line.substr(0, line.find('=')));
        }
    }
    return keys;
}

}  // namespace

TEST(SettingsFile, firstStartGivesTheBuiltInSettings) {
    const DocumentSettings s = LoadFrom("");
    EXPECT_EQ(s.applicationName, "VESTRIX");
    EXPECT_EQ(s.database, "");
    EXPECT_EQ(s.bFilter, 1u);
    EXPECT_EQ(s.criteria.BFStation, 0u);
    EXPECT_EQ(s.criteria.BFOnairNow, 1u);
    EXPECT_EQ(s.criteria.FFrequency1, 0.0);
    EXPECT_EQ(s.criteria.FFrequency2, 1000000.0);
    EXPECT_EQ(s.criteria.FStart, "00:00");
    EXPECT_EQ(s.criteria.FEnd, "23:59");
    EXPECT_EQ(s.criteria.FOnairTime, "00:00");
    EXPECT_EQ(s.layout, ColumnLayout());
    EXPECT_EQ(s.output, OutputOptions());
    EXPECT_EQ(s.previewPages, 0);
}

TEST(SettingsFile, columnOrderIsTakenOnlyAsAFullPermutation) {
    const auto swapped = LoadFrom("[Settings]\nColumnOrder=" + Numbers(2, 22, {1, 0}));
    EXPECT_EQ(swapped.layout.order[0], 1);
    EXPECT_EQ(swapped.layout.order[1], 0);
    EXPECT_EQ(swapped.layout.order[23], 23);

    EXPECT_EQ(LoadFrom("[Settings]\nColumnOrder=" + Numbers(2, 22, {0, 0})).layout.order, Identity());
    EXPECT_EQ(LoadFrom("[Settings]\nColumnOrder=" + Numbers(0, 23)).layout.order, Identity());
    EXPECT_EQ(LoadFrom("[Settings]\nColumnOrder=" + Numbers(2, 22, {1, 0}) + ",99").layout.order, swapped.layout.order);
    EXPECT_EQ(LoadFrom("[Settings]\nColumnOrder=1,,0," + Numbers(2, 22)).layout.order, swapped.layout.order);
}

TEST(SettingsFile, columnWidthsStopAtTheFirstUnreadablePiece) {
    const auto s = LoadFrom("[Settings]\nColumnWidths=100,abc,50");
    EXPECT_EQ(s.layout.widths[0], 100);
    for (size_t i = 1; i < s.layout.widths.size(); ++i) EXPECT_EQ(s.layout.widths[i], -1) << i;
}

TEST(SettingsFile, columnWidthsOutsideTheRangeBecomeFour) {
    const auto s = LoadFrom("[Settings]\nColumnWidths=0,3,1001,-1,-2,4,1000,2000,99999999999");
    const std::array<int, 9> expected = {4, 4, 4, -1, 4, 4, 1000, 4, 4};
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(s.layout.widths[i], expected[i]) << i;
}

TEST(SettingsFile, aShortColumnSelectionSelectsTheRest) {
    const auto s = LoadFrom("[Output]\nClipbColumnSel=0,1,0\nPrintColumnSel=1,0");
    EXPECT_FALSE(s.output.clipbColumns[0]);
    EXPECT_TRUE(s.output.clipbColumns[1]);
    EXPECT_FALSE(s.output.clipbColumns[2]);
    EXPECT_TRUE(s.output.clipbColumns[3]);
    EXPECT_TRUE(s.output.clipbColumns[23]);
    EXPECT_FALSE(s.output.printColumns[1]);
    EXPECT_TRUE(s.output.printColumns[2]);
}

TEST(SettingsFile, outputIntegersOutsideTheirRangeGetTheDefault) {
    const auto s = LoadFrom(
        "[Output]\nPrintFontHeight=26\nPrintBorderLeft=0\nPrintBorderTop=50\nClipbRecordSel=4\n"
        "PrintRecordSel=3\nClipbUseTabs=7\n");
    EXPECT_EQ(s.output.printFontHeight, 8);
    EXPECT_EQ(s.output.printBorderLeft, 20);
    EXPECT_EQ(s.output.printBorderTop, 50);
    EXPECT_EQ(s.output.clipbRecordSel, 1);
    EXPECT_EQ(s.output.printRecordSel, 3);
    EXPECT_EQ(s.output.clipbUseTabs, 7);
    EXPECT_EQ(LoadFrom("[Output]\nPrintFontHeight=1").output.printFontHeight, 8);
    EXPECT_EQ(LoadFrom("[Output]\nPrintFontHeight=25").output.printFontHeight, 25);
}

TEST(SettingsFile, frequenciesAcceptACommaAndAreSavedWithAPoint) {
    const auto s = LoadFrom("[Settings]\nFFrequency1=5,5\nFFrequency2=6200.0 kHz\n");
    EXPECT_DOUBLE_EQ(s.criteria.FFrequency1, 5.5);
    EXPECT_EQ(s.criteria.FFrequency2, 0.0);
    IniFile ini;
    SaveSettings(ini, s);
    EXPECT_EQ(ini.GetString("Settings", "FFrequency1", ""), "5.5");
    EXPECT_EQ(ini.GetString("Settings", "FFrequency2", ""), "0.0");
}

TEST(SettingsFile, invalidTimesAreReplacedAndTheCorrectionIsSaved) {
    const auto s = LoadFrom("[Settings]\nFStart=25:00\nFEnd=24:00\nFOnairTime=9:00\n");
    EXPECT_EQ(s.criteria.FStart, "00:00");
    EXPECT_EQ(s.criteria.FEnd, "24:00");
    EXPECT_EQ(s.criteria.FOnairTime, "00:00");
}

TEST(SettingsFile, aSaveAfterALoadWritesTheCorrectedValues) {
    IniFile ini = IniFile::FromText(
        "[Settings]\nFStart=25:00\nFFrequency1=5,5\nColumnWidths=2000,50\n"
        "[Output]\nPrintBorderLeft=0\n");
    DocumentSettings s;
    LoadSettings(ini, s);
    SaveSettings(ini, s);
    EXPECT_EQ(ini.GetString("Settings", "FStart", ""), "00:00");
    EXPECT_EQ(ini.GetString("Settings", "FFrequency1", ""), "5.5");
    EXPECT_EQ(ini.GetString("Settings", "ColumnWidths", "").substr(0, 11), "4,50,-1,-1,");
    EXPECT_EQ(ini.GetString("Output", "PrintBorderLeft", ""), "20");
}

TEST(SettingsFile, everySettingSurvivesASaveAndALoad) {
    DocumentSettings s;
    s.applicationName = "Receiver 2";
    s.database = "Europe";
    s.sort = "STATION";
    s.sortDescending = true;
    s.bFilter = 0;
    s.criteria.BFStatus = 1;
    s.criteria.BFOnairNow = 0;
    s.criteria.FFrequency1 = 5900.0;
    s.criteria.FStation = " BBC ";
    s.criteria.FCountry = "Z\u00FCrich";
    s.criteria.FStart = "06:00";
    s.criteria.FEnd = "08:30";
    s.criteria.FOnairTime = "12:00";
    s.layout.order[0] = 23;
    s.layout.order[23] = 0;
    s.layout.widths[5] = 120;
    s.previewPages = 2;
    s.output.clipbColumns[4] = false;
    s.output.printColumns[0] = false;
    s.output.clipbUseTabs = 1;
    s.output.printBorderRight = 33;

    IniFile ini;
    SaveSettings(ini, s);
    DocumentSettings reread;
    LoadSettings(IniFile::FromText(ini.Text()), reread);
    EXPECT_EQ(reread, s);
}

TEST(SettingsFile, keysAreWrittenInTheirFixedOrder) {
    IniFile ini;
    SaveSettings(ini, DocumentSettings{});
    const std::vector<std::string> settingsKeys = {
        "ApplicationName", "Database",    "Sort",        "BFilter",      "BFFrequency",
        "BFStation",       "BFCountry",   "BFItu",       "BFLanguage",   "BFTargetarea",
        "BFDay",           "BFOnair",     "BFTime",      "BFStatus",     "BFP",
        "BFStn",           "BFLc",        "BFLocation",  "BFExactMatch", "BFOnairNow",
        "FFrequency1",     "FFrequency2", "FStation",    "FCountry",     "FItu",
        "FLanguage",       "FTargetarea", "FDay",        "FStart",       "FEnd",
        "FStatus",         "FP",          "FStn",        "FLc",          "FLocation",
        "FOnairTime",      "ColumnOrder", "ColumnWidths"};
    const std::vector<std::string> outputKeys = {
        "ClipbRecordSel", "ClipbUseTabs",      "ClipbColumnSel",  "PrintRecordSel",   "PrintColumnSel",
        "PrintBorderTop", "PrintBorderBottom", "PrintBorderLeft", "PrintBorderRight", "PrintFontHeight"};
    EXPECT_EQ(KeysOf(ini.Text(), "Settings"), settingsKeys);
    EXPECT_EQ(KeysOf(ini.Text(), "Output"), outputKeys);
    EXPECT_EQ(ini.GetString("Settings", "ColumnOrder", ""), Numbers(0, 24));
    EXPECT_EQ(ini.GetString("Output", "ClipbColumnSel", ""), "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1");
}

TEST(SettingsFile, descendingIsWrittenAfterTheSortKeyOnlyWhenSetAndReadOnlyFromOne) {
    DocumentSettings s;
    s.sort = "STATION";
    s.sortDescending = true;
    IniFile ini;
    SaveSettings(ini, s);
    const auto keys = KeysOf(ini.Text(), "Settings");
    ASSERT_GE(keys.size(), 4u);
    EXPECT_EQ(keys[2], "Sort");
    EXPECT_EQ(keys[3], "SortDescending");
    EXPECT_EQ(ini.GetString("Settings", "SortDescending", ""), "1");
    for (const char* value : {"0", "2", "yes", ""})
        EXPECT_FALSE(LoadFrom(std::string("[Settings]\nSortDescending=") + value + "\n").sortDescending) << value;
    EXPECT_TRUE(LoadFrom("[Settings]\nSortDescending=1\n").sortDescending);

    s.sortDescending = false;
    SaveSettings(ini, s);
    EXPECT_FALSE(LoadFrom(ini.Text()).sortDescending) << "ascending again over a file that said 1";
}

TEST(SettingsFile, garbageAndLongLinesGiveRuleValues) {
    std::mt19937 random(7);
    std::string text = "[Settings]\nColumnOrder=";
    for (int i = 0; i < 100000; ++i) text += "1,";
    text += "\nFStation=" + std::string(10000, 's') + "\n[Output]\nPrintFontHeight=";
    for (int i = 0; i < 50000; ++i) text += static_cast<char>(random());
    text += "\nPrintColumnSel=\x01\x02\xFF\n";

    const auto s = LoadFrom(text);
    EXPECT_EQ(s.layout.order, Identity());
    EXPECT_EQ(s.criteria.FStation.size(), 4095u);
    EXPECT_GE(s.output.printFontHeight, 2);
    EXPECT_LE(s.output.printFontHeight, 25);
    EXPECT_EQ(s.output.printColumns, OutputOptions().printColumns);
    EXPECT_TRUE(IsValidTime(s.criteria.FStart));
}

TEST(SettingsFile, savingKeepsOtherSectionsAndFailsWithoutHarm) {
    TempDir dir;
    const std::string path = dir.file("zofar.INI");
    std::ofstream(path) << "[Plugin]\nColor=red\n[Settings]\nDatabase=Old\n";
    DocumentSettings s = LoadFrom("");
    s.database = "New";
    ASSERT_TRUE(SaveSettingsFile(path, s));
    ASSERT_TRUE(SaveWindowPlacementFile(path, WindowPlacement{}, false, true));

    const IniFile written = IniFile::Load(path);
    EXPECT_EQ(written.GetString("Plugin", "Color", ""), "red");
    EXPECT_EQ(written.GetString("Settings", "Database", ""), "New");
    EXPECT_EQ(written.GetInt("Window", "Toolbar", 1), 0);
    DocumentSettings reread;
    LoadSettingsFile(path, reread);
    EXPECT_EQ(reread, s);

    EXPECT_FALSE(SaveSettingsFile(dir.file("zofar.INI/inside.INI"), s));
    EXPECT_FALSE(SaveWindowPlacementFile(dir.file("none/zofar.INI"), WindowPlacement{}, true, true));
}

TEST(SettingsFile, windowPlacementNeedsAllTenNumbers) {
    const IniFile nine = IniFile::FromText("[Window]\nWindowpos=0,1,-1,-1,-1,-1,10,20,810\nToolbar=0\nStatusbar=0\n");
    WindowPlacement placement;
    placement.left = 5;
    bool toolbar = true;
    bool statusbar = true;
    EXPECT_FALSE(LoadWindowPlacement(nine, placement, toolbar, statusbar));
    EXPECT_TRUE(toolbar);
    EXPECT_TRUE(statusbar);
    EXPECT_EQ(placement.left, 5);
    EXPECT_FALSE(LoadWindowPlacement(IniFile::FromText("[Window]\nWindowpos=0,1,2,3,4,5,6,7,8 ,9"), placement, toolbar,
                                     statusbar));

    const IniFile ten =
        IniFile::FromText("[Window]\nWindowpos=2,-1, -32000,-32000,-1,-1,10,20,810,620junk\nToolbar=0\n");
    EXPECT_TRUE(LoadWindowPlacement(ten, placement, toolbar, statusbar));
    EXPECT_EQ(placement.flags, 2u);
    EXPECT_EQ(placement.showCmd, 4294967295u);
    EXPECT_EQ(placement.minX, -32000);
    EXPECT_EQ(placement.bottom, 620);
    EXPECT_FALSE(toolbar);
    EXPECT_TRUE(statusbar);
}

TEST(SettingsFile, windowPlacementIsSavedInItsStoredForm) {
    WindowPlacement placement{0, kShowMaximized, -1, -1, -8, -8, 10, 20, 810, 620};
    IniFile ini;
    SaveWindowPlacement(ini, placement, true, false);
    EXPECT_EQ(ini.GetString("Window", "Windowpos", ""), "0,3,-1,-1,-8,-8,10,20,810,620");
    EXPECT_EQ(ini.GetString("Window", "Statusbar", ""), "0");
    WindowPlacement reread;
    bool toolbar = false;
    bool statusbar = true;
    ASSERT_TRUE(LoadWindowPlacement(ini, reread, toolbar, statusbar));
    EXPECT_EQ(reread, placement);
    EXPECT_TRUE(toolbar);
    EXPECT_FALSE(statusbar);
}
