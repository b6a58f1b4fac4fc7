#include "import/EibiRecord.h"

#include <gtest/gtest.h>

#include "base/TextEncoding.h"
#include "import/EibiTestSupport.h"
#include "import/IlgTestSupport.h"

namespace zofar {
namespace {

using test::Value;

class EibiLine : public ::testing::Test {
protected:
    std::optional<BroadcastRecord> Parse(std::string_view line) { return ParseEibiLine(line, &tables); }

    EibiCodeTables tables = EibiCodeTables::Parse(test::kSmallEibiReadme);
};

TEST_F(EibiLine, everyColumnComesFromItsFieldOrTheTables) {
    const auto r = Parse("6005.5;1200-1300;Mo-Fr;G;BBC World Service;D,E,XY;WAf;/D-n;1;0104;3010");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->freq, 6005.5);
    const std::vector<std::pair<std::string_view, std::optional<std::string>>> expected = {
        {"START", "12:00"},
        {"END", "13:00"},
        {"DAYS", "12345"},
        {"ITU", "G"},
        {"STATION", "BBC World Service"},
        {"LANGUAGE", "German,English,XY"},
        {"TARGET", "WAf"},
        {"REGION", "West Africa"},
        {"COUNTRY", "United Kingdom of "},
        {"LOCATION", "Nauen"},
        {"LATI", "52N38"},
        {"LONGI", "012E54"},
        {"TARGETAR", "AF "},
        {"REMARKS", "/D-n"},
        {"P", "1"},
        {"MODU", "A"},
        {"STATUS", std::nullopt},
        {"LC", " "},
        {"STN", std::nullopt},
        {"CIRAF", std::nullopt},
        {"PROGRAM", std::nullopt},
        {"POWER", std::nullopt},
        {"AZI", std::nullopt},
    };
    for (const auto& [column, value] : expected) EXPECT_EQ(Value(*r, column), value) << column;
}

TEST_F(EibiLine, onlyHhmmDashHhmmTimesAndWholeNumbersMakeARecord) {
    EXPECT_TRUE(Parse("6005;0000-2400"));
    EXPECT_EQ(Value(*Parse("6005;0000-2400"), "END"), "24:00");
    EXPECT_EQ(Value(*Parse(" 16.3 ; 2330-0030 "), "START"), "23:30");
    for (const std::string_view time : {"000-0100", "0000/0100", "00000100", "0a00-0100", "2500-0100", "0060-0100",
                                        "2401-0100", "0000-01000", "", "00:00-01:00"}) {
        EXPECT_FALSE(Parse("6005;" + std::string(time))) << time;
    }
    for (const std::string_view freq : {"", "6005kHz", "6,005", "abc", "inf", "nan", "1e400", "0x10", "60 05"}) {
        EXPECT_FALSE(Parse(std::string(freq) + ";0000-0100")) << freq;
    }
}

TEST_F(EibiLine, longTextsAreCutToTheirColumnCountingCharacters) {
    const std::string station =
        "R\xC3\xA1"
        "dio Nacional Amaz\xC3\xB4nia Brasil";  // 30 characters
    const auto r = Parse("6005;0000-0100;irregular;D;" + station + ";D,E,F;Eu;/CCC-abcdefghijklmno;98");
    ASSERT_TRUE(r);
    EXPECT_EQ(*Value(*r, "STATION"), std::string(Utf8Prefix(station, 22)));
    EXPECT_EQ(Utf8Length(*Value(*r, "STATION")), 22u);
    EXPECT_EQ(Value(*r, "LANGUAGE"), "German,English,Fre");
    EXPECT_EQ(Value(*r, "DAYS"), "irregul");
    EXPECT_EQ(Value(*r, "REMARKS"), "/CCC-abcdefghij");
    EXPECT_EQ(Value(*r, "P"), "9");
    EXPECT_EQ(Value(*r, "STATUS"), "I") << "98 is an inactive utility entry";
}

TEST_F(EibiLine, aShortLineHasItsMissingFieldsEmpty) {
    const auto r = Parse("6005;0000-0100;;D");
    ASSERT_TRUE(r);
    EXPECT_EQ(Value(*r, "DAYS"), "");
    EXPECT_EQ(Value(*r, "STATION"), "");
    EXPECT_EQ(Value(*r, "LANGUAGE"), "");
    EXPECT_EQ(Value(*r, "REGION"), "");
    EXPECT_EQ(Value(*r, "COUNTRY"), "Germany");
    EXPECT_EQ(Value(*r, "LOCATION"), "Berlin-Britz") << "no site remark: the country's first site";
    EXPECT_EQ(Value(*r, "TARGETAR"), std::nullopt);
    EXPECT_EQ(Value(*r, "P"), "");
}

TEST_F(EibiLine, withoutTablesTheNameColumnsStayNull) {
    const auto r = ParseEibiLine("6005;0000-0100;;D;Station;E;Eu;n;8", nullptr);
    ASSERT_TRUE(r);
    for (const std::string_view column : {"LANGUAGE", "REGION", "COUNTRY", "LOCATION", "LATI", "LONGI"}) {
        EXPECT_EQ(Value(*r, column), std::nullopt) << column;
    }
    EXPECT_EQ(Value(*r, "TARGETAR"), "EU ");
    EXPECT_EQ(Value(*r, "STATUS"), "I");
}

TEST_F(EibiLine, modulationFollowsTheLanguageCodeAndTheSideband) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"-CW", "", "C"},  {"-TY", "", "D"}, {"-HF", "", "D"},   {"E", "USB", "U"},
        {"E", "LSB", "L"}, {"E", "", "A"},   {"E,-CW", "", "C"}, {"", "Mo", "A"},
    };
    for (const auto& [language, days, modu] : cases) {
        EXPECT_EQ(Value(*Parse("6005;0000-0100;" + days + ";D;X;" + language), "MODU"), modu) << language << days;
    }
}

TEST(EibiTargetAreas, targetCodesCoverTheirContinentsInListOrder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Eu", "EU "},     {"Am", "NA CA SA "}, {"Glo", "NA CA SA EU AF ME AS AU PA "},
        {"NAO", "NA EU "}, {"CIS", "EU AS "},   {"EGY", "AF ME "},
        {"Oc", "AU PA "},  {"WNW", ""},         {"eu", ""},
        {"", ""},
    };
    for (const auto& [target, areas] : cases) EXPECT_EQ(EibiTargetAreas(target), areas) << target;
}

TEST_F(EibiLine, regionIsTheTargetsOwnNameACountryOrADirectionOfOne) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Eu", "Europe"},
        {"D", "Germany"},
        {"WAf", "West Africa"},
        {"CEu", "Central Europe"},
        {"SEA", "South East Asia"},
        {"ED", "East Germany"},
        {"NEu", "North Europe"},
        {"W", "W"},
        {"QAf", "QAf"},
        {"XYZ", "XYZ"},
        {"", ""},
    };
    for (const auto& [target, region] : cases) EXPECT_EQ(EibiRegionName(tables, target), region) << target;
}

TEST_F(EibiLine, siteRemarksNameASiteOfTheirOwnOrTheStationsCountry) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"/D-n", "G", "Nauen"},      {"n", "D", "Nauen"},       {"N", "D", "Nauen North"},
        {"", "D", "Berlin-Britz"},   {"/AFS", "G", "Meyerton"}, {"/AFS-j", "D", "Johannesburg"},
        {"xx", "D", "Unknown site"}, {"q", "D", "<none>"},      {"/G-a", "D", "<none>"},
        {"/D-", "G", "<none>"},      {"abcd", "D", "<none>"},   {"", "G", "<none>"},
    };
    for (const auto& [remarks, itu, name] : cases) {
        const EibiSite* site = EibiTransmitterSite(tables, remarks, itu);
        EXPECT_EQ(site ? site->name : "<none>", name) << remarks << " " << itu;
    }
}

}  // namespace
}  // namespace zofar
