#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/TempDir.h"

namespace zofar {
namespace {

// Starts the real program in a private home, lets it come up, closes its window as a user
// would and answers the quit question Yes (the program's test hook does that).
TEST(ProgramSmoke, startsShowsItsWindowAndQuitsThroughTheQuitSequence) {
    test::TempDir home;
    for (const char* sub : {"config", "data", "runtime"}) std::filesystem::create_directories(home.path() / sub);
    std::filesystem::permissions(home.path() / "runtime", std::filesystem::perms::owner_all);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(home.path().string()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.file("config")));
    env.insert("XDG_DATA_HOME", QString::fromStdString(home.file("data")));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.file("runtime")));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZOFAR_AUTOQUIT_MS", "300");

    QProcess zofar;
    zofar.setProcessEnvironment(env);
    zofar.start(QStringLiteral(ZOFAR_BINARY_PATH), {});
    ASSERT_TRUE(zofar.waitForStarted(10000));
    ASSERT_TRUE(zofar.waitForFinished(30000)) << "the program did not end";
    EXPECT_EQ(zofar.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(zofar.exitCode(), 0);
    EXPECT_TRUE(zofar.readAllStandardOutput().isEmpty());

    // Only the confirmed quit writes the settings file, and only a shown window has a placement.
    const std::string ini = home.file("config") + "/zofar.INI";
    ASSERT_TRUE(std::filesystem::exists(ini));
    std::ifstream in(ini);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("[Settings]"), std::string::npos);
    EXPECT_NE(text.str().find("Windowpos="), std::string::npos);
    EXPECT_NE(text.str().find("Toolbar=1"), std::string::npos);
}

}  // namespace
}  // namespace zofar
