#include <gtest/gtest.h>

#include "import/SourceKinds.h"

#include "fetch/DownloadSettings.h"
#include "fetch/FetchDialogs.h"
#include "fetch/ScheduleSource.h"

namespace zofar {
namespace {

std::vector<std::string> Urls(const char* name, const std::string& folder, const Season& season) {
    std::vector<std::string> urls;
    for (const auto& file : SeasonFileNames(*FindScheduleSource(name), season))
        urls.push_back(FileUrl(folder, season, file));
    return urls;
}

TEST(ScheduleSource, eachSourceNamesItsSeasonsFilesUnderItsDefaultFolder) {
    const Season b26{'b', 2026};
    EXPECT_EQ(
        Urls("eibi", "http://www.eibispace.de/dx/", b26),
        (std::vector<std::string>{"http://www.eibispace.de/dx/sked-b26.csv", "http://www.eibispace.de/dx/README.TXT"}));
    const ScheduleSource& hfcc = *FindScheduleSource("HFCC");
    EXPECT_EQ(Urls("hfcc", std::string(hfcc.defaultFolder), {'a', 2026}),
              (std::vector<std::string>{"https://www.hfcc.org/data/A26/A26allx2.zip"}));
    EXPECT_EQ(Urls("aoki", "http://www.ndxc.jp", {'b', 2025}),
              (std::vector<std::string>{"http://www.ndxc.jp/nzb25.zip"}));
    EXPECT_EQ(FindScheduleSource("nope"), nullptr);
}

TEST(ScheduleSource, databaseNamesCarryTheSeasonAndGiveItBack) {
    EXPECT_EQ(ScheduleDatabaseName(*FindScheduleSource("eibi"), {'b', 2026}), "EIBI-B26");
    EXPECT_EQ(SeasonOfScheduleDatabase("EIBI-B26"), (Season{'b', 2026}));
    EXPECT_EQ(SeasonOfScheduleDatabase("hfcc-a25"), (Season{'a', 2025}));
    EXPECT_EQ(SeasonOfScheduleDatabase("AOKI-B24"), (Season{'b', 2024}));
    for (const char* other : {"SAMPLE", "EIBI-B2", "EIBI-B266", "EIBIXB26", "FOO-B26", "EIBI-C26"})
        EXPECT_FALSE(SeasonOfScheduleDatabase(other)) << other;
}

TEST(ScheduleSource, everySourceIsBuiltByAnImportOfTheSourceKindTable) {
    for (const ScheduleSource& source : ScheduleSources()) EXPECT_TRUE(SourceKindNamed(source.importKind)) << source.name;
}

TEST(DownloadSettings, theSettingsFileOverridesAFolderAndKeepsItsOtherSections) {
    IniFile ini = IniFile::FromText("[Settings]\nDatabase=B24\n[Download]\nAokiUrl=http://mirror.example/aoki/\n");
    const auto urls = FolderUrls(ini);
    EXPECT_EQ(urls[0], "http://www.eibispace.de/dx/");
    EXPECT_EQ(urls[2], "http://mirror.example/aoki/");

    SetFolderUrl(ini, *FindScheduleSource("eibi"), "http://127.0.0.1:8080/dx/");
    EXPECT_EQ(FolderUrlOf(ini, *FindScheduleSource("eibi")), "http://127.0.0.1:8080/dx/");
    EXPECT_EQ(ini.GetString("Settings", "Database", ""), "B24");
    // Going back to the default leaves no override behind.
    SetFolderUrl(ini, *FindScheduleSource("aoki"), "http://www.ndxc.jp/");
    EXPECT_EQ(ini.GetString("Download", "AokiUrl", "none"), "");
    EXPECT_EQ(FolderUrlOf(ini, *FindScheduleSource("aoki")), "http://www.ndxc.jp/");
}

TEST(DownloadSettings, theDialogsValuesAreCheckedBeforeADownload) {
    EXPECT_EQ(CheckFetchChoices({"eibi", "b26", "http://x/dx/"}), std::nullopt);
    EXPECT_EQ(CheckFetchChoices({"EiBi", "B26", "https://x/"}), std::nullopt);
    EXPECT_EQ(CheckFetchChoices({"eibi", "b2", "http://x/"}),
              "Please enter the season as a letter and two digits, like B26.");
    EXPECT_EQ(CheckFetchChoices({"eibi", "b26", "ftp://x/"}),
              "Please enter an address that begins with http:// or https://.");
    EXPECT_EQ(CheckFetchChoices({"", "b26", "http://x/"}), "Please choose a schedule source.");
}

}  // namespace
}  // namespace zofar
