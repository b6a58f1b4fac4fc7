#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

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
