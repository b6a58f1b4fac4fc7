#include "import/EibiCodeTables.h"

#include <gtest/gtest.h>

#include <fstream>

#include "import/EibiTestSupport.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

std::string NameOr(const std::string* name, std::string_view missing = "<none>") {
    return name ? *name : std::string(missing);
}

class SmallReadme : public ::testing::Test {
protected:
    EibiCodeTables tables = EibiCodeTables::Parse(test::kSmallEibiReadme);
};

TEST_F(SmallReadme, languageNamesEndBeforeTheirRemarksAndTheFirstEntryOfACodeWins) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"-CW", "Morse Station"}, {"A", "Arabic"},   {"D", "German"},       {"E", "English"},
        {"SC", "Serbocroat"},     {"XX", "Dialect"}, {"Fu", "<none>"},      {"TOO", "<none>"},
        {"e", "<none>"},          {"On", "<none>"},  {"Numbers", "<none>"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(NameOr(tables.LanguageName(code)), name) << code;
    EXPECT_EQ(tables.LanguageCount(), 7u);
}

TEST_F(SmallReadme, countryAndTargetNamesDropRemarksAndTheUnofficialMark) {
    EXPECT_EQ(NameOr(tables.CountryName("CHN")), "China");
    EXPECT_EQ(NameOr(tables.CountryName("CLA")), "Clandestine stations");
    EXPECT_EQ(NameOr(tables.CountryName("G")), "United Kingdom of Great Britain and Northern Ireland");
    EXPECT_EQ(tables.CountryName("Asterisks"), nullptr);
    EXPECT_EQ(tables.CountryCount(), 5u);

    EXPECT_EQ(NameOr(tables.TargetName("Eu")), "Europe");
    EXPECT_EQ(NameOr(tables.TargetName("SEA")), "South East Asia");
    EXPECT_EQ(tables.TargetName("C.."), nullptr);
    EXPECT_EQ(tables.TargetName("EU"), nullptr) << "codes keep their letter case";
    EXPECT_EQ(tables.TargetCount(), 3u);
}

TEST_F(SmallReadme, sitesAreFoundByCountryAndCodeWithTheFirstSiteForNoCode) {
    struct Case {
        std::string country, code, name, latitude, longitude;
    };
    const std::vector<Case> cases = {
        {"D", "", "Berlin-Britz", "52N27", "013E26"}, {"D", "n", "Nauen", "52N38", "012E54"},
        {"D", "N", "Nauen North", "52N39", "012E55"}, {"D", "xx", "Unknown site", "", ""},
        {"AFS", "", "Meyerton", "26S35", "028E08"},   {"AFS", "j", "Johannesburg", "26S07", "028E12"},
        {"XUU", "", "Unknown site", "", ""},
    };
    for (const auto& c : cases) {
        const EibiSite* site = tables.Site(c.country, c.code);
        ASSERT_NE(site, nullptr) << c.country << "-" << c.code;
        EXPECT_EQ(site->name, c.name);
        EXPECT_EQ(site->latitude, c.latitude);
        EXPECT_EQ(site->longitude, c.longitude);
    }
    EXPECT_EQ(tables.Site("D", "a"), nullptr);
    EXPECT_EQ(tables.Site("G", ""), nullptr);
    EXPECT_EQ(tables.SiteCountryCount(), 3u) << "prose and notes are no countries";
}

TEST(EibiCodeTables, readmeFromTheListReadsItsKnownCodes) {
    const auto tables = EibiCodeTables::Load(ZOFAR_EIBI_DIR "README.TXT");
    ASSERT_TRUE(tables) << "missing " ZOFAR_EIBI_DIR "README.TXT";
    EXPECT_EQ(NameOr(tables->LanguageName("E")), "English");
    EXPECT_EQ(NameOr(tables->LanguageName("D")), "German");
    EXPECT_EQ(NameOr(tables->LanguageName("-TS")), "Time Signal Station");
    EXPECT_EQ(NameOr(tables->CountryName("D")), "Germany");
    EXPECT_EQ(NameOr(tables->CountryName("CTI")), "Ivory Coast");
    EXPECT_EQ(NameOr(tables->TargetName("WAf")), "<none>") << "a direction and a code is no entry";
    EXPECT_EQ(NameOr(tables->TargetName("Af")), "Africa");
    const EibiSite* nauen = tables->Site("D", "n");
    ASSERT_NE(nauen, nullptr);
    EXPECT_EQ(nauen->name, "Nauen");
    EXPECT_EQ(nauen->latitude, "52N38");
    EXPECT_GT(tables->LanguageCount(), 500u);
    EXPECT_GT(tables->CountryCount(), 250u);
    EXPECT_GT(tables->SiteCountryCount(), 150u);
}

TEST(EibiCodeTables, aLatin1ReadmeWithBomAndCrLfReadsToo) {
    test::TempDir dir;
    {
        std::ofstream out(dir.file("README.TXT"), std::ios::binary);
        out << "\xEF\xBB\xBF   II) Country codes.\r\n   REU  La R\xE9union\r\n";
    }
    const auto tables = EibiCodeTables::Load(dir.file("README.TXT"));
    ASSERT_TRUE(tables);
    EXPECT_EQ(NameOr(tables->CountryName("REU")), "La R\xC3\xA9union");
    EXPECT_FALSE(EibiCodeTables::Load(dir.file("missing.txt")));
    EXPECT_FALSE(EibiCodeTables::Load(dir.folder()));
}

}  // namespace
}  // namespace zofar
