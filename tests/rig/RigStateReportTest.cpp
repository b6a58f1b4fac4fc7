#include <gtest/gtest.h>

#include "rig/RigStateReport.h"

using namespace zofar;

TEST(RigStateReport, linesReadBackAsTheyWereWritten) {
    const RigStateReport reports[] = {
        {RigReportKind::Connected, std::nullopt},        {RigReportKind::Connected, 9'410'000},
        {RigReportKind::NoServer, std::nullopt},         {RigReportKind::TuneFailed, 6'085'000},
        {RigReportKind::FindIgnored, 1'000'000'000'000},
    };
    for (const RigStateReport& report : reports) {
        const std::string line = FormatRigStateReport(report);
        EXPECT_EQ(ParseRigStateReport(line), report) << line;
    }
    EXPECT_EQ(FormatRigStateReport({RigReportKind::Connected, 9'410'000}), "connected 9410000");
    EXPECT_EQ(FormatRigStateReport({RigReportKind::NoServer, std::nullopt}), "no-server");
    EXPECT_EQ(ParseRigStateReport("connected 7100000\r"), (RigStateReport{RigReportKind::Connected, 7'100'000}));
}

TEST(RigStateReport, anythingElseIsNoReport) {
    for (const char* line : {"", "connected ", "connected x", "connected 0", "connected -5", "connected 1000000000001",
                             "connected 12 13", "no-server 5", "tune-failed", "find", "Connected 5", "listening",
                             "zofar-rig: connected to the rig server", "connected 99999999999999999999999"}) {
        EXPECT_EQ(ParseRigStateReport(line), std::nullopt) << line;
    }
}

TEST(RigStateReport, kilohertzHaveThreeDecimalsAndThousandsSeparators) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {9'410'000, "9,410.000"},           {153'000, "153.000"}, {1'000'000, "1,000.000"},
        {7'100'500, "7,100.500"},           {5, "0.005"},         {0, "0.000"},
        {30'000'000'000, "30,000,000.000"}, {-1'500, "-1.500"},
    };
    for (const auto& [hz, text] : cases) EXPECT_EQ(FormatKhzWithSeparators(hz), text) << hz;
}
