#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <filesystem>

#include "receiver/LinkMessage.h"
#include "receiver/LinkSender.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

// Starts the real program in a private home and lets it run; ending it from outside (as a
// shutdown does) leaves no settings file, since only the confirmed quit writes one. The quit
// sequence itself is run in process by the end-to-end test. The program runs as a copy of its
// own, without the sample list beside it, so its first start imports nothing into the build
// folder.
TEST(ProgramSmoke, startsAndRunsUntilEndedAndWritesNothingUnasked) {
    test::TempDir home;
    for (const char* sub : {"bin", "config", "data", "runtime"}) std::filesystem::create_directories(home.path() / sub);
    std::filesystem::permissions(home.path() / "runtime", std::filesystem::perms::owner_all);
    const std::string program = home.file("bin/zofar");
    std::filesystem::copy_file(ZOFAR_BINARY_PATH, program);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(home.path().string()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.file("config")));
    env.insert("XDG_DATA_HOME", QString::fromStdString(home.file("data")));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.file("runtime")));
    env.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess zofar;
    zofar.setProcessEnvironment(env);
    zofar.start(QString::fromStdString(program), {});
    ASSERT_TRUE(zofar.waitForStarted(10000));
    EXPECT_FALSE(zofar.waitForFinished(1500))
        << "the program ended by itself: " << zofar.readAllStandardError().toStdString();
    // It listens on the link in its runtime folder and answers a frequency report.
    const LinkFrame report{kGoToFrequencyMessage, "VESTRIX", {0xE0, 0xBC, 0x8F, 0x00}};
    EXPECT_EQ(SendLinkFrame(home.file("runtime") + "/zofar-link/ZOFAR", report).status, LinkSendStatus::Delivered);
    zofar.terminate();
    ASSERT_TRUE(zofar.waitForFinished(10000));
    EXPECT_TRUE(zofar.readAllStandardOutput().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(home.file("config") + "/zofar.INI"));
    EXPECT_EQ(test::FilesIn(home.path() / "bin"), 1u) << "the program's folder holds more than the program";
}

}  // namespace
}  // namespace zofar
