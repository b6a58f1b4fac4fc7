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

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliChart : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string list = dir.file("B.txt");
        std::ofstream(list) << IlgLine("   6005", "Late Radio", "2200-0200") +
                                   IlgLine("   9400", "Day Radio", "1000-1200");
        ASSERT_EQ(Cli("import --folder " + Quote(dir.folder()) + " " + Quote(list) + " B").code, 0);
        std::ofstream(settings) << "[Settings]\nSort=FREQ\n";
    }

    zofar::test::ProcessResult Chart(const std::string& args, bool errorsOnly = false) {
        return Cli("chart --settings " + Quote(settings) + " --folder " + Quote(dir.folder()) +
                       " --now 2024-03-07T23:10Z " + args,
                   errorsOnly);
    }

    TempDir dir;
    std::string settings = dir.file("z.INI");
};

TEST_F(CliChart, writesPngSvgOrPdfByTheExtension) {
    const std::string png = dir.file("b.png"), svg = dir.file("b.svg"), pdf = dir.file("b.pdf");
    EXPECT_EQ(Chart("--band 49m --width 640 --height 400 B " + Quote(png)).code, 0);
    EXPECT_EQ(Contents(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(Chart("B " + Quote(svg)).code, 0);
    EXPECT_NE(Contents(svg).find("<svg"), std::string::npos);
    EXPECT_EQ(Chart("--band 31m B " + Quote(pdf)).code, 0);
    EXPECT_EQ(Contents(pdf).substr(0, 4), "%PDF");
}

TEST_F(CliChart, refusesAnUnknownBandAFileKindAndADatabase) {
    EXPECT_EQ(Chart("--band 48m B " + Quote(dir.file("b.png"))).code, 2);
    const auto gif = Chart("B " + Quote(dir.file("b.gif")), true);
    EXPECT_EQ(gif.code, 1);
    EXPECT_NE(gif.out.find("PNG, SVG or PDF"), std::string::npos) << gif.out;
    EXPECT_EQ(Chart("Nothing " + Quote(dir.file("b.png"))).code, 1);
}

}  // namespace
