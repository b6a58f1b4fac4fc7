#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fetch/SeasonCache.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

EnvironmentLookup Env(std::map<std::string, std::string> vars) {
    return [vars](const std::string& name) -> std::optional<std::string> {
        const auto it = vars.find(name);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    };
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SeasonCache, theCacheLivesInTheXdgCacheFolderOrElseInHomesCache) {
    EXPECT_EQ(CacheRoot(Env({{"XDG_CACHE_HOME", "/x/cache"}, {"HOME", "/home/u"}})), "/x/cache/zofar/");
    EXPECT_EQ(CacheRoot(Env({{"XDG_CACHE_HOME", "relative"}, {"HOME", "/home/u/"}})), "/home/u/.cache/zofar/");
    EXPECT_EQ(CacheRoot(Env({{"HOME", "/home/u"}})), "/home/u/.cache/zofar/");
    EXPECT_EQ(CacheRoot(Env({})), "");
}

TEST(SeasonCache, storedFilesComeBackWithTheirValidatorsAndTheTimeOfTheDownload) {
    test::TempDir dir;
    const ScheduleSource& eibi = *FindScheduleSource("eibi");
    {
        SeasonCache cache(dir.folder(), eibi, {'b', 2026});
        EXPECT_EQ(cache.Folder(), dir.folder() + "eibi/b26/");
        EXPECT_FALSE(cache.Has("sked-b26.csv"));
        EXPECT_EQ(cache.FetchedAt(), 0);
        std::string error;
        ASSERT_TRUE(cache.Store({{"sked-b26.csv", "kHz;...", {"\"abc-1\"", "Sat, 01 Nov 2026 10:00:00 GMT"}},
                                 {"README.TXT", "codes", {"W/\"r\"", ""}}},
                                1790000000, error))
            << error;
    }
    SeasonCache again(dir.folder(), eibi, {'b', 2026});
    EXPECT_TRUE(again.Has("sked-b26.csv"));
    EXPECT_EQ(Read(again.PathOf("sked-b26.csv")), "kHz;...");
    EXPECT_EQ(again.ValidatorsOf("sked-b26.csv").etag, "\"abc-1\"");
    EXPECT_EQ(again.ValidatorsOf("sked-b26.csv").lastModified, "Sat, 01 Nov 2026 10:00:00 GMT");
    EXPECT_EQ(again.ValidatorsOf("README.TXT").etag, "W/\"r\"");
    EXPECT_EQ(again.FetchedAt(), 1790000000);

    // A file that went away takes its validators with it: it is asked for whole.
    std::filesystem::remove(again.PathOf("README.TXT"));
    EXPECT_EQ(again.ValidatorsOf("README.TXT").etag, "");
    again.ForgetValidators();
    EXPECT_EQ(SeasonCache(dir.folder(), eibi, {'b', 2026}).ValidatorsOf("sked-b26.csv").etag, "");
}

TEST(SeasonCache, aCacheFolderThatCannotBeMadeFailsWithAMessageAndWritesNothing) {
    test::TempDir dir;
    std::ofstream(dir.file("blocker")) << "a file where the folder should be";
    SeasonCache cache(dir.file("blocker") + "/", *FindScheduleSource("eibi"), {'a', 2026});
    std::string error;
    EXPECT_FALSE(cache.Store({{"sked-a26.csv", "kHz", {}}}, 1, error));
    EXPECT_NE(error.find("could not be made"), std::string::npos) << error;
    EXPECT_EQ(Read(dir.file("blocker")), "a file where the folder should be");
}

}  // namespace
}  // namespace zofar
