#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "cli/CliProcess.h"
#include "support/IlgLines.h"
#include "support/TempDir.h"

using zofar::test::Cli;
using zofar::test::IlgLine;
using zofar::test::Quote;
using zofar::test::TempDir;

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

// The settings' frequency filter and station sort apply; the CSV has every list column.
TEST(CliExport, writesEachFormatInTheSettingsFilterAndSort) {
    TempDir dir;
    const std::string list = dir.file("x.txt");
    std::ofstream(list) << IlgLine("   9400", "Late, \"Radio\"", "2200-0200") +
                               IlgLine("   6005", "Day Radio", "1000-1200") +
                               IlgLine("   5900", "Night Radio", "2300-0100");
    ASSERT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(list) + " X").code, 0);
    const std::string settings = dir.file("z.INI");
    std::ofstream(settings) << "[Settings]\nSort=STATION\nBFFrequency=1\nFFrequency1=6000.0\nFFrequency2=10000.0\n";
    const std::string options = "--settings " + Quote(settings) + " --folder " + Quote(dir.folder()) + " ";

    const std::string csv = dir.file("x.csv");
    const auto written = Cli("export " + options + "--format csv X " + Quote(csv));
    EXPECT_EQ(written.code, 0);
    EXPECT_EQ(written.out, "Exported 2 entries to " + csv + ".\n");
    const std::string text = Read(csv);
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "FREQ,STATION,STN,MODU,STATUS,LOCATION,REGION,COUNTRY,ITU,LC,START,END,DAYS,LANGUAGE,TARGET,TARGETAR,"
              "CIRAF,PROGRAM,P,REMARKS,POWER,AZI,LONGI,LATI");
    EXPECT_EQ(text.find("\r\n6005.0,Day Radio,"), text.find("\r\n")) << text;
    EXPECT_NE(text.find("\r\n9400.0,\"Late, \"\"Radio\"\"\","), std::string::npos) << text;

    const std::string gqrx = dir.file("bookmarks.csv");
    std::ofstream(gqrx) << "Mine                ; #ff0000\n\n     4625000; UVB-76 ; AM ; 10000; Mine\n";
    EXPECT_EQ(Cli("export " + options + "--format gqrx --merge X " + Quote(gqrx)).code, 0);
    EXPECT_NE(Read(gqrx).find("UVB-76"), std::string::npos);
    EXPECT_NE(Read(gqrx).find("     9400000; Late, \"Radio\" 2200"), std::string::npos) << Read(gqrx);
    EXPECT_NE(Read(gqrx + ".bak").find("UVB-76"), std::string::npos);

    const std::string json = dir.file("x.json");
    EXPECT_EQ(Cli("export " + options + "--format sdrpp X " + Quote(json)).code, 0);
    EXPECT_NE(Read(json).find("\"Late, \\\"Radio\\\" 2200\": {\"frequency\": 9400000"), std::string::npos)
        << Read(json);

    const auto failed = Cli("export " + options + "--format csv X " + Quote(csv + "/sub.csv"), true);
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.out.find("does not exist"), std::string::npos) << failed.out;
    EXPECT_EQ(Cli("export " + options + "--format xml X " + Quote(csv)).code, 2);
}
