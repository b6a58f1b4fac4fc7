#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliProcess.h"
#include "support/IlgLines.h"
#include "support/TempDir.h"

using zofar::test::Cli;
using zofar::test::IlgLine;
using zofar::test::Quote;
using zofar::test::RunProcess;
using zofar::test::TempDir;

namespace {

// A database NAME in `dir` made from the lines, through the import command.
void Import(const TempDir& dir, const std::string& name, const std::string& lines) {
    const std::string list = dir.file(name + ".txt");
    std::ofstream(list) << lines;
    ASSERT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(list) + " " + name).code, 0);
}

std::string Options(const TempDir& dir, const std::string& settings) {
    return "--settings " + Quote(settings) + " --folder " + Quote(dir.folder()) + " --now 2024-03-07T10:00Z ";
}

// The settings' 24 flags with only the given columns set.
std::string Flags(std::initializer_list<int> columns) {
    std::string text;
    for (int c = 0; c < 24; ++c) {
        if (c > 0) text += ',';
        text += std::find(columns.begin(), columns.end(), c) != columns.end() ? '1' : '0';
    }
    return text;
}

std::string Padded(const std::string& station) { return station + std::string(22 - station.size(), ' '); }

std::vector<std::string> Pages(const std::string& text) {
    std::vector<std::string> pages;
    std::stringstream in(text);
    std::string page;
    while (std::getline(in, page, '\f')) {
        if (!page.empty() && page != "\n") pages.push_back(page);
    }
    return pages;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace

// STATION is dragged to the left, STN is dragged shut (hidden although chosen), every other
// width is the default width (-1), which counts as shown; the frequency filter and the station
// sort of the settings apply, and the settings' scope (the selected record) does not.
TEST(CliCopy, printsAllRecordsWithTheSettingsColumnsOrderSeparatorFilterAndSort) {
    TempDir dir;
    Import(dir, "C",
           IlgLine("   9400", "Late Radio", "2200-0200") + IlgLine("   6005", "Day Radio", "1000-1200") +
               IlgLine("   5900", "Night Radio", "2300-0100"));
    const std::string settings = dir.file("z.INI");
    std::ofstream(settings) << "[Settings]\nSort=STATION\nBFFrequency=1\nFFrequency1=6000.0\nFFrequency2=10000.0\n"
                            << "ColumnOrder=1,0,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23\n"
                            << "ColumnWidths=-1,-1,5\n"
                            << "[Output]\nClipbRecordSel=1\nClipbUseTabs=1\nClipbColumnSel=" << Flags({0, 1, 2})
                            << "\n";

    const auto copy = Cli("copy " + Options(dir, settings) + "C");
    EXPECT_EQ(copy.code, 0);
    EXPECT_EQ(copy.out, Padded("Day Radio") + "\t 6005.0 \n" + Padded("Late Radio") + "\t 9400.0 \n");

    std::ofstream(settings) << "[Output]\nClipbColumnSel=" << Flags({}) << "\n";
    const auto none = Cli("copy " + Options(dir, settings) + "C");
    EXPECT_EQ(none.code, 1) << "no column selected";
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(Cli("copy " + Options(dir, settings) + "MISSING").code, 1);
}

// 40 records at 25 pt: 17 rows on a page of 267 mm between the borders, so three pages.
TEST(CliPrint, writesA4PagesWithTheHeaderBlockAndTheRowsInListOrder) {
    TempDir dir;
    std::string lines;
    for (int i = 0; i < 40; ++i) {
        lines += IlgLine("   " + std::to_string(1000 + i), "Station " + std::to_string(i), "0000-0100");
    }
    Import(dir, "PRINTED", lines);
    const std::string settings = dir.file("z.INI");
    std::ofstream(settings) << "[Settings]\nSort=FREQ\nBFFrequency=1\nFFrequency1=0.0\nFFrequency2=5000.0\n"
                            << "[Output]\nPrintRecordSel=1\nPrintFontHeight=25\nPrintColumnSel=" << Flags({0, 1})
                            << "\n";
    const std::string pdf = dir.file("out.pdf");
    ASSERT_EQ(Cli("print --pdf " + Quote(pdf) + " " + Options(dir, settings) + "PRINTED").code, 0);

    const auto info = RunProcess("pdfinfo " + Quote(pdf));
    EXPECT_NE(info.out.find("595 x 842 pts (A4)"), std::string::npos) << info.out;
    const auto text = RunProcess("pdftotext -layout " + Quote(pdf) + " -");
    ASSERT_EQ(text.code, 0) << "pdftotext comes with poppler-utils";
    const std::vector<std::string> pages = Pages(text.out);
    ASSERT_EQ(pages.size(), 3u);

    // The header names the filter in words; the condition itself stays with "condition".
    EXPECT_EQ(FirstLine(Cli("condition --settings " + Quote(settings)).out), "(FREQ BETWEEN 0.0 AND 5000.0)");
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::string& page = pages[p];
        std::istringstream in(page);
        std::string line;
        std::getline(in, line);
        EXPECT_EQ(line.find("Date:"), line.find_first_not_of(' ')) << line;
        EXPECT_NE(line.find("03/07/2024"), std::string::npos) << line;
        EXPECT_EQ(line.substr(line.find_last_not_of(' ') - 6, 7), "Page: " + std::to_string(p + 1)) << line;
        EXPECT_NE(page.find("Database:"), std::string::npos);
        EXPECT_NE(page.find("PRINTED"), std::string::npos);
        EXPECT_NE(page.find("Filter:"), std::string::npos);
        EXPECT_NE(page.find("Frequency 0-5000 kHz"), std::string::npos) << page;
        EXPECT_EQ(page.find("BETWEEN"), std::string::npos) << page;
        EXPECT_NE(page.find("Sort:"), std::string::npos);
        EXPECT_NE(page.find("STATION"), std::string::npos);
        EXPECT_EQ(page.find("STN"), std::string::npos) << "STN is not chosen";
    }
    // Rows 0 to 16 on page 1, 17 to 33 on page 2, the rest on page 3, in frequency order.
    EXPECT_LT(pages[0].find("1000.0"), pages[0].find("1016.0"));
    EXPECT_EQ(pages[0].find("1017.0"), std::string::npos);
    EXPECT_NE(pages[1].find("1017.0"), std::string::npos);
    EXPECT_NE(pages[1].find("Station 33"), std::string::npos);
    EXPECT_EQ(pages[1].find("Station 34"), std::string::npos);
    EXPECT_NE(pages[2].find("1039.0"), std::string::npos);
}

TEST(CliPrint, writesNoFileWhenThereIsNothingToPrintOrNoPlaceForIt) {
    TempDir dir;
    Import(dir, "ONE", IlgLine("   6005", "Day Radio", "1000-1200"));
    const std::string settings = dir.file("z.INI");
    std::ofstream(settings) << "[Settings]\nBFFrequency=1\nFFrequency1=9000.0\nFFrequency2=10000.0\n";
    const std::string pdf = dir.file("out.pdf");
    EXPECT_EQ(Cli("print --pdf " + Quote(pdf) + " " + Options(dir, settings) + "ONE").code, 1) << "no records";
    EXPECT_FALSE(std::filesystem::exists(pdf));

    std::ofstream(settings) << "[Settings]\n";
    EXPECT_EQ(Cli("print --pdf " + Quote(dir.file("none/out.pdf")) + " " + Options(dir, settings) + "ONE").code, 1);
    EXPECT_EQ(Cli("print " + Options(dir, settings) + "ONE").code, 2) << "--pdf is required";
    EXPECT_EQ(Cli("print --pdf " + Quote(pdf) + " " + Options(dir, settings) + "ONE").code, 0);
    EXPECT_TRUE(std::filesystem::exists(pdf));
}
