#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "app/AppPaths.h"
#include "support/Files.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::TempDir;

namespace {}  // namespace

TEST(AppPaths, executableNameLosesFolderAndExtension) {
    EXPECT_EQ(ExecutableName("C:/PROGRAMS/ZOFAR.EXE"), "ZOFAR");
    EXPECT_EQ(ExecutableName("/usr/bin/zofar"), "zofar");
    EXPECT_EQ(ExecutableName("zofar"), "zofar");
    EXPECT_EQ(ExecutableName("/opt/.hidden"), ".hidden");
}

TEST(AppPaths, settingsFileIsInTheConfigFolderWhichIsCreated) {
    TempDir dir;
    const auto xdg = test::FakeEnvironment({{"XDG_CONFIG_HOME", dir.file("conf")}, {"HOME", "/nowhere"}});
    EXPECT_EQ(SettingsFilePath("/usr/bin/zofar", xdg), dir.file("conf") + "/zofar.INI");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("conf")));

    const auto home = test::FakeEnvironment({{"XDG_CONFIG_HOME", "relative"}, {"HOME", dir.file("home")}});
    EXPECT_EQ(SettingsFilePath("/usr/bin/zofar", home), dir.file("home") + "/.config/zofar.INI");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("home/.config")));
}

TEST(AppPaths, databasesLiveBesideAWritableProgram) {
    TempDir dir;
    const auto env = test::FakeEnvironment({{"HOME", dir.file("home")}});
    EXPECT_EQ(DatabaseFolderPath(dir.file("zofar"), env), dir.folder());
    EXPECT_FALSE(std::filesystem::exists(dir.file("home")));
}

TEST(AppPaths, databasesMoveToTheDataFolderWhenTheProgramFolderIsUnusable) {
    TempDir dir;
    const std::string program = dir.file("gone/bin/zofar");
    EXPECT_EQ(DatabaseFolderPath(program, test::FakeEnvironment({{"XDG_DATA_HOME", dir.file("data")}})),
              dir.file("data") + "/zofar/");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("data/zofar")));

    EXPECT_EQ(DatabaseFolderPath(program, test::FakeEnvironment({{"HOME", dir.file("home")}})),
              dir.file("home") + "/.local/share/zofar/");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("home/.local/share/zofar")));
}

TEST(AppPaths, helpManualIsFoundBesideTheProgramOrElseInTheDataFolder) {
    TempDir dir;
    const auto env = test::FakeEnvironment({{"HOME", dir.file("home")}, {"XDG_CONFIG_HOME", dir.file("c")}});
    const AppPaths without = ResolveAppPaths(dir.file("zofar"), env);
    EXPECT_EQ(without.helpFile, dir.file("home") + "/.local/share/zofar/zofar.html");
    EXPECT_EQ(without.filterFile, dir.file("zofar.dat"));
    EXPECT_EQ(without.settingsFile, dir.file("c") + "/zofar.INI");

    std::ofstream(dir.file("zofar.html")) << "<html></html>";
    EXPECT_EQ(ResolveAppPaths(dir.file("zofar"), env).helpFile, dir.file("zofar.html"));
}
