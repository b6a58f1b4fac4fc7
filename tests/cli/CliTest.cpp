#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "import/EibiTestSupport.h"
#include "import/IlgDbaseWriter.h"
#include "import/ScheduleTestSupport.h"
#include "support/Files.h"
#include "cli/CliProcess.h"
#include "support/IlgLines.h"
#include "support/TempDir.h"

using zofar::test::IlgLine;
using zofar::test::TempDir;

using Result = zofar::test::ProcessResult;
using zofar::test::Cli;
using zofar::test::Quote;

TEST(CliImport, buildsTheSampleDatabaseAndNeverOverwritesUnasked) {
    TempDir dir;
    const std::string sample = Quote(std::string(ZOFAR_SOURCE_DIR) + "/res/sample/sample-list.txt");
    Result first = Cli("import --folder " + Quote(dir.folder()) + " " + sample + " SAMPLE");
    EXPECT_EQ(first.code, 0);
    EXPECT_NE(first.out.find(" records stored"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.file("SAMPLE.mdb")));
    const auto size = std::filesystem::file_size(dir.file("SAMPLE.mdb"));

    EXPECT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + sample + " sample").code, 1);
    EXPECT_EQ(std::filesystem::file_size(dir.file("SAMPLE.mdb")), size);
    EXPECT_EQ(Cli("import --folder " + Quote(dir.folder()) + " --replace " + sample + " SAMPLE").code, 0);
}

TEST(CliImport, shortFirstLineNeedsYesAndBadInputLeavesNoFile) {
    TempDir dir;
    const std::string list = dir.file("short.txt");
    std::ofstream(list) << "short first line\n" << IlgLine("   6005", "Radio Test", "0000-0100");
    EXPECT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(list) + " T").code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("T.mdb")));
    Result yes = Cli("import --yes --folder " + Quote(dir.folder()) + " " + Quote(list) + " T");
    EXPECT_EQ(yes.code, 0);
    EXPECT_EQ(yes.out.rfind("1 records stored", 0), 0u);

    EXPECT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(dir.file("missing.txt")) + " M").code, 1);
    EXPECT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(list) + " ../escape").code, 1);
    EXPECT_EQ(Cli("import --bogus x y").code, 2);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "short.txt" || name == "T.mdb") << name;
    }
}

TEST(CliConditionAndList, printTheConditionAndTheFilteredRowsInListOrder) {
    TempDir dir;
    const std::string list = dir.file("l.txt");
    std::ofstream(list) << IlgLine("   9400", "Late Radio", "2200-0200") << IlgLine("   6005", "Day Radio", "1000-1200")
                        << IlgLine("   5900", "Night Radio", "2300-0100");
    ASSERT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(list) + " L").code, 0);
    const std::string settings = dir.file("z.INI");
    std::ofstream(settings) << "[Settings]\nSort=STATION\nBFOnair=1\nBFOnairNow=1\n";

    Result cond = Cli("condition --settings " + Quote(settings) + " --now 2026-12-06T23:30Z");
    EXPECT_EQ(cond.out.find("DAYS LIKE '*7*'"), cond.out.size() - std::string("DAYS LIKE '*7*'))\n").size());

    Result rows =
        Cli("list --settings " + Quote(settings) + " --folder " + Quote(dir.folder()) + " --now 2026-12-06T23:30Z L");
    EXPECT_EQ(rows.code, 0);
    EXPECT_EQ(rows.out.find(" 9400.0  \tLate Radio\t"), 0u);
    EXPECT_NE(rows.out.find("\n 5900.0  \tNight Radio\t"), std::string::npos);
    EXPECT_EQ(rows.out.find("Day Radio"), std::string::npos);
    EXPECT_EQ(rows.out.back(), '\n');
    EXPECT_EQ(Cli("list --now tomorrow L").code, 2);
    EXPECT_EQ(Cli("condition --settings " + Quote(settings) + " --now 2026-02-31T10:00Z").code, 2);
    EXPECT_NE(Cli("condition --settings " + Quote(settings) + " --now 2028-02-29T10:00Z").out.find("'*2*'"),
              std::string::npos);  // a leap day, a Tuesday
}

namespace {

constexpr std::string_view kEibiLines =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;\r\n"
    "6005;0000-0100;;D;Radio One;F;Eu\r\n"
    "6O05;0000-0100;;D;Not A Frequency;F;Eu\r\n"
    "7005;0100-0200;;D;Radio Two;E;Eu\r\n";

}  // namespace

TEST(CliImport, theKindFollowsTheExtensionInAnyLetterCaseUnlessKindNamesIt) {
    TempDir dir;
    const std::string folder = " --folder " + Quote(dir.folder()) + " ";
    zofar::test::WriteBytes(dir.file("sked.CSV"), std::string(kEibiLines));
    zofar::test::WriteBytes(dir.file("sked.txt"), std::string(kEibiLines));
    ASSERT_TRUE(
        zofar::test::WriteDbaseTable(dir.file("b24.dbf"), zofar::test::IlgDbaseFields(), {zofar::test::IlgDbaseRow()}));
    std::filesystem::rename(dir.file("b24.dbf"), dir.file("b24.DBF"));  // the writer spells it in lower case

    Result eibi = Cli("import" + folder + Quote(dir.file("sked.CSV")) + " E");
    EXPECT_EQ(eibi.code, 0);
    EXPECT_EQ(eibi.out, dir.file("E.mdb") + ": 2 records stored, 1 line skipped\n");
    EXPECT_EQ(Cli("import --kind eibi" + folder + Quote(dir.file("sked.txt")) + " E2").out,
              dir.file("E2.mdb") + ": 2 records stored, 1 line skipped\n");
    Result dbase = Cli("import" + folder + Quote(dir.file("b24.DBF")) + " D");
    EXPECT_EQ(dbase.code, 0);
    EXPECT_EQ(dbase.out.rfind("1 records stored in ", 0), 0u);

    // Read as an ILG text list, the schedule's short first line needs --yes.
    Result text = Cli("import --kind text" + folder + Quote(dir.file("sked.CSV")) + " T", true);
    EXPECT_EQ(text.code, 1);
    EXPECT_NE(text.out.find("The input file seems to be no ILG source file."), std::string::npos);
    EXPECT_EQ(Cli("import --kind csv" + folder + Quote(dir.file("sked.CSV")) + " X").code, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("T.mdb")));
}

TEST(CliImport, eibiNamesComeFromTheCodesFileAndEveryFailureIsReportedOnStandardError) {
    TempDir dir;
    const std::string folder = " --folder " + Quote(dir.folder()) + " ";
    std::filesystem::create_directories(dir.file("codes"));
    zofar::test::WriteBytes(dir.file("codes/readme.txt"), std::string(zofar::test::kSmallEibiReadme));
    zofar::test::WriteBytes(dir.file("sked.csv"), std::string(kEibiLines));
    ASSERT_EQ(
        Cli("import --codes " + Quote(dir.file("codes/readme.txt")) + folder + Quote(dir.file("sked.csv")) + " N").code,
        0);
    const std::string listed = Cli("list" + folder + "--settings " + Quote(dir.file("none.INI")) + " N").out;
    EXPECT_NE(listed.find("\tFrench\t"), std::string::npos);
    // The 24 fields, UNIQUEID, then the extension fields the schedule stores.
    const std::string firstLine = listed.substr(0, listed.find('\n'));
    EXPECT_EQ(std::count(firstLine.begin(), firstLine.end(), '\t'), 24 + 6);

    Result missingCodes =
        Cli("import --codes " + Quote(dir.file("none.txt")) + folder + Quote(dir.file("sked.csv")) + " M", true);
    EXPECT_EQ(missingCodes.code, 1);
    EXPECT_NE(missingCodes.out.find("Error opening the EiBi code file (README.TXT)!"), std::string::npos);
    EXPECT_NE(missingCodes.out.find("Error creating a new database!"), std::string::npos);

    Result codesForText = Cli("import --kind text --codes " + Quote(dir.file("codes/readme.txt")) + folder +
                                  Quote(dir.file("sked.csv")) + " M",
                              true);
    EXPECT_EQ(codesForText.code, 2);
    EXPECT_NE(codesForText.out.find("--codes"), std::string::npos);

    zofar::test::WriteBytes(dir.file("noise.dbf"), "not a dBASE table, only some bytes");
    Result noise = Cli("import" + folder + Quote(dir.file("noise.dbf")) + " M", true);
    EXPECT_EQ(noise.code, 1);
    EXPECT_NE(noise.out.find("zofar-cli: database error: "), std::string::npos);
    EXPECT_NE(noise.out.find("Error creating a new database!"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("M.mdb")));
}

TEST(CliImport, hfccAndAokiSeasonsAreToldByWhatTheyHoldAndTakeTheirTablesFromCodes) {
    TempDir dir;
    const std::string folder = " --folder " + Quote(dir.folder()) + " ";
    const std::string schedule = zofar::test::HfccSchedule({zofar::test::HfccLine({}), "junk"});
    ASSERT_TRUE(zofar::test::WriteZip(dir.file("a26allx2.zip"), {{"A26all00.TXT", schedule}}));
    std::filesystem::create_directories(dir.file("codes"));
    for (const auto& [name, bytes] : zofar::test::HfccTables()) zofar::test::WriteBytes(dir.file("codes/" + name), bytes);

    Result hfcc = Cli("import --codes " + Quote(dir.file("codes")) + folder + Quote(dir.file("a26allx2.zip")) + " A26");
    EXPECT_EQ(hfcc.code, 0) << hfcc.out;
    EXPECT_EQ(hfcc.out, dir.file("A26.mdb") + ": 1 record stored, 1 line skipped\n");
    EXPECT_NE(Cli("list" + folder + "--settings " + Quote(dir.file("none.INI")) + " A26").out.find("\tNauen\t"),
              std::string::npos);

    zofar::test::WriteBytes(dir.file("nzb25.dat"),
                            zofar::test::AokiList({}, {{"6055", "Radio Nikkei", "0000-2400", "1.....7"}}));
    EXPECT_EQ(Cli("import --kind aoki" + folder + Quote(dir.file("nzb25.dat")) + " B25").out,
              dir.file("B25.mdb") + ": 1 record stored, 0 lines skipped\n");
}

TEST(CliNamedFilters, filtersConditionAndListUseTheFirstFilterOfTheNameAndNeverWriteTheFile) {
    TempDir dir;
    const std::string list = dir.file("l.txt");
    std::ofstream(list) << IlgLine("   9400", "Late Radio", "2200-0200") << IlgLine("   6005", "Day Radio", "1000-1200")
                        << IlgLine("   5900", "Night Radio", "2300-0100");
    ASSERT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(list) + " L").code, 0);
    const std::string settings = dir.file("z.INI");
    std::ofstream(settings) << "[Settings]\nBFilter=0\nBFFrequency=1\nFFrequency1=9000\nFFrequency2=9500\n";

    // Three filters, two of them named "Radio": the first keeps the day station only.
    const auto line = [](const std::string& name, const std::string& station) {
        std::string l = name + '\x0B';
        for (int flag = 1; flag <= 16; ++flag) l += std::string(flag == 2 ? "1" : "0") + '\x0B';
        l += std::string("0.0") + '\x0B' + "1000000.0" + '\x0B' + station + '\x0B';
        for (int text = 2; text <= 14; ++text) l += '\x0B';
        return l + "\n";
    };
    const std::string filters = dir.file("f.dat");
    const std::string bytes = line("Radio", "Day") + line("Night", "Night") + line("Radio", "Late");
    std::ofstream(filters, std::ios::binary) << bytes;
    const std::string file = " --file " + Quote(filters);

    EXPECT_EQ(Cli("filters" + file).out, "Radio\nNight\nRadio\n");
    EXPECT_EQ(Cli("condition --settings " + Quote(settings) + " --filter Radio" + file).out,
              "(STATION LIKE '*Day*')\n");
    EXPECT_EQ(Cli("condition --settings " + Quote(settings)).out, "\n");  // the settings' switch is off

    Result rows = Cli("list --settings " + Quote(settings) + " --folder " + Quote(dir.folder()) + " --filter Night" +
                      file + " L");
    EXPECT_EQ(rows.code, 0);
    EXPECT_EQ(rows.out.find(" 5900.0  \tNight Radio\t"), 0u);
    EXPECT_EQ(std::count(rows.out.begin(), rows.out.end(), '\n'), 1);

    EXPECT_EQ(Cli("condition --settings " + Quote(settings) + " --filter Nobody" + file).code, 2);
    EXPECT_EQ(Cli("list --folder " + Quote(dir.folder()) + " --filter radio" + file + " L").code, 2);
    EXPECT_EQ(Cli("filters --file " + Quote(dir.file("missing.dat"))).out, "");

    std::ifstream in(filters, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);
    EXPECT_FALSE(std::filesystem::exists(filters + ".bak"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.dat")));
}

namespace {

// An ILG line with the transmitter's LONGI and LATI set.
std::string SiteLine(const std::string& freq, const std::string& station, const std::string& longi,
                     const std::string& lati) {
    std::string line = IlgLine(freq, station, "0000-2400");
    line.replace(244, longi.size(), longi);
    line.replace(250, lati.size(), lati);
    return line;
}

}  // namespace

TEST(CliList, withDistanceAppendsDistanceAndBearingFromTheStoredLocationOrTheLocator) {
    TempDir dir;
    const std::string list = dir.file("sites.txt");
    std::ofstream(list) << SiteLine("   6005", "Nauen", "012E54", "52N38") << SiteLine("   7000", "Nowhere", "", "")
                        << SiteLine("   8000", "Broken", "013E22", "91N");
    ASSERT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(list) + " S").code, 0);
    const std::string settings = dir.file("z.INI");
    std::ofstream(settings) << "[Settings]\nSort=FREQ\n[Location]\nLocator=\nLatitude=51.5074\nLongitude=-0.1278\n";
    const std::string base = "list --settings " + Quote(settings) + " --folder " + Quote(dir.folder());

    const Result stored = Cli(base + " --with-distance S");
    ASSERT_EQ(stored.code, 0);
    std::vector<std::string> lines;
    std::istringstream in(stored.out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].ends_with("\t1\t901\t77")) << lines[0];
    EXPECT_TRUE(lines[1].ends_with("\t2\t\t")) << lines[1];
    EXPECT_TRUE(lines[2].ends_with("\t3\t\t")) << lines[2];
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '\t'), 26);

    const Result located = Cli(base + " --with-distance --locator io91WM S");
    EXPECT_EQ(located.code, 0);
    EXPECT_NE(located.out.find("\t1\t900\t77\n"), std::string::npos) << located.out;
    EXPECT_EQ(Cli(base + " S").out.find("\t1\t9"), std::string::npos) << "no distance unless asked";

    EXPECT_EQ(Cli(base + " --with-distance --locator XY S", true).out,
              "zofar-cli: The locator \"XY\" is not a Maidenhead locator of 4 or 6 characters, such as JO62qm.\n");
    EXPECT_EQ(Cli(base + " --locator JO62qm S").code, 2) << "--locator belongs to --with-distance";
    std::ofstream(settings) << "[Settings]\nSort=FREQ\n";
    const Result none = Cli(base + " --with-distance S");
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.out, "");
}
