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

    EXPECT_EQ(without.sampleList, "");

    std::ofstream(dir.file("zofar.html")) << "<html></html>";
    std::ofstream(dir.file("sample-list.txt")) << "list";
    const AppPaths beside = ResolveAppPaths(dir.file("zofar"), env);
    EXPECT_EQ(beside.helpFile, dir.file("zofar.html"));
    EXPECT_EQ(beside.sampleList, dir.file("sample-list.txt"));
}

// An installed tree finds its files from where the program is, so it works wherever the tree
// is moved, and keeps its databases out of the shared bin/ even where that can be written.
TEST(AppPaths, installedCopyReadsItsShareFolderAndKeepsDatabasesInTheDataFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("moved/bin"));
    std::filesystem::create_directories(dir.file("moved/share/zofar"));
    std::ofstream(dir.file("moved/share/zofar/zofar.html")) << "<html></html>";
    std::ofstream(dir.file("moved/share/zofar/sample-list.txt")) << "list";
    const auto env = test::FakeEnvironment({{"XDG_DATA_HOME", dir.file("data")}, {"XDG_CONFIG_HOME", dir.file("c")}});

    const std::string program = dir.file("moved/bin/zofar");
    EXPECT_EQ(InstalledDataFolder(program), dir.file("moved/share/zofar") + "/");
    const AppPaths paths = ResolveAppPaths(program, env);
    EXPECT_EQ(paths.helpFile, dir.file("moved/share/zofar/zofar.html"));
    EXPECT_EQ(paths.sampleList, dir.file("moved/share/zofar/sample-list.txt"));
    EXPECT_EQ(paths.databaseFolder, dir.file("data") + "/zofar/");
    EXPECT_EQ(paths.filterFile, dir.file("data") + "/zofar/zofar.dat");

    EXPECT_EQ(InstalledDataFolder(dir.file("zofar")), "");
}
