#include <gtest/gtest.h>

#include <fstream>

#include "app/RigSettingsFile.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::TempDir;

TEST(RigSettingsFile, theRigSectionIsWrittenAndReadBackBesideTheOtherSections) {
    TempDir dir;
    const std::string path = dir.file("zofar.INI");
    std::ofstream(path) << "[Settings]\nDatabase=B24\n[Rig]\nNote=mine\n";
    const RigSettings settings{"localhost", 7356, 250, true, true, 3073, "/dev/ttyUSB0", 19200};
    ASSERT_TRUE(SaveRigSettingsFile(path, settings));
    EXPECT_EQ(LoadRigSettingsFile(path), settings);
    const IniFile ini = IniFile::Load(path);
    EXPECT_EQ(ini.GetString("Settings", "Database", ""), "B24");
    EXPECT_EQ(ini.GetString("Rig", "Note", ""), "mine");
    EXPECT_EQ(ini.GetString("Rig", "Connect", ""), "1");
    EXPECT_EQ(ini.GetString("Rig", "StartRigctld", ""), "1");
}

TEST(RigSettingsFile, aMissingOrMalformedValueGetsItsDefault) {
    EXPECT_EQ(LoadRigSettings(IniFile::FromText("")), RigSettings{});
    EXPECT_EQ(LoadRigSettings(IniFile::FromText("[Rig]\nHost=\nPort=0\nPollMs=20\nConnect=yes\nStartRigctld=2\n"
                                                "Model=-3\nDevice=/dev/tty USB0\nSpeed=9600baud\n")),
              RigSettings{});
    EXPECT_EQ(LoadRigSettings(IniFile::FromText("[Rig]\nHost=my rig\nPort=65536\nPollMs=4000000\nModel=x\n"
                                                "Speed=-1\n")),
              RigSettings{});
    const RigSettings read = LoadRigSettings(IniFile::FromText("[rig]\nport=4533\nconnect=1\nPollMs=abc\n"));
    EXPECT_EQ(read.port, 4533);
    EXPECT_TRUE(read.connect);
    EXPECT_EQ(read.pollMs, RigSettings{}.pollMs);
}
