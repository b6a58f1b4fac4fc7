#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStatusBar>

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

#include "app/CMainFrame.h"
#include "app/ModalDriver.h"
#include "app/RigSettingsFile.h"
#include "app/StatusPane.h"
#include "app/ZofarProgram.h"
#include "receiver/LinkFolder.h"
#include "receiver/LinkMessage.h"
#include "receiver/LittleEndian.h"
#include "rig/CRigConnectionDlg.h"
#include "rig/FakeRigServer.h"
#include "app/RigControl.h"
#include "rig/RigctldProcess.h"
#include "support/SpinUntil.h"
#include "support/StoreFixture.h"
#include "support/TempDir.h"
#include "view/ListPort.h"

namespace zofar {
namespace {

using namespace std::chrono_literals;
using test::SpinUntil;

// Whether `pid` is a process that has not ended (a zombie has).
bool Alive(qint64 pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)), {});
    const auto close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

// The whole program with a database open, its own link folder, and the rig connection's
// settings in its settings file; the bridge it starts is the real zofar-rig beside the test.
class RigConnectionProgramTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::TempDir runtime;
    FixedClock clock{UtcTime{2024, 5, 6, 21, 0, 0, 1}};
    std::unique_ptr<ZofarProgram> program;

    void StartProgram(const std::string& rigSection) {
        test::RecordingReporter reporter;
        // Frequency order: DEUTSCHLANDFUNK (6005), RADIO EXTERIOR (6085), ERT (9420).
        ASSERT_TRUE(test::CreateDatabase(dir.file("B24.mdb"),
                                         {{9420, "ERT", "05:00", "08:00"},
                                          {6005, "DEUTSCHLANDFUNK", "00:00", "23:59"},
                                          {6085, "RADIO EXTERIOR", "00:00", "23:59"}},
                                         reporter));
        std::ofstream(dir.file("zofar.INI")) << "[Settings]\nDatabase=B24\nSort=FREQ\n" << rigSection;
        program = std::make_unique<ZofarProgram>(
            AppPaths{dir.file("zofar.INI"), dir.folder(), dir.file("zofar.dat"), dir.file("zofar.html")}, clock);
        program->Start();
        const std::string runtimePath = runtime.path().string();
        const LinkFolderResult link = PrepareLinkFolder([&](const std::string& name) {
            return name == "XDG_RUNTIME_DIR" ? std::optional<std::string>(runtimePath) : std::nullopt;
        });
        ASSERT_FALSE(link.folder.empty());
        program->StartLink(link);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtimePath));
        program->Rig().Supervisor().SetEnvironment(environment);
        program->StartRig();
    }
    void TearDown() override { program.reset(); }

    std::string Pane() { return program->Rig().Pane()->FullText().toStdString(); }
    // Selects the first record at or above `hz`, as the receiver program's report does.
    void SelectAt(std::uint32_t hz) {
        std::vector<uint8_t> data(4);
        PutU32LittleEndian(data.data(), hz);
        program->Doc().OnReceiverData(kGoToFrequencyMessage, data);
    }
    bool PaneShows(const std::string& text) {
        return SpinUntil([&] { return Pane() == text; }, 8s);
    }
    RigSupervisor& Supervisor() { return program->Rig().Supervisor(); }
};

std::string RigSection(std::uint16_t port, const std::string& more = {}) {
    return "[Rig]\nPort=" + std::to_string(port) + "\nPollMs=100\nConnect=1\n" + more;
}

TEST_F(RigConnectionProgramTest, theBridgeTunesTheRigIsStartedAgainWhenKilledAndEndsWithZofar) {
    const std::uint16_t port = test::FreeLoopbackPort();
    test::RigctldProcess rigctld(port);
    ASSERT_TRUE(rigctld.Running());
    ASSERT_EQ(test::AskRigServer(port, "F 6085000"), "RPRT 0");
    StartProgram(RigSection(port));
    ASSERT_TRUE(Supervisor().IsOn());
    ASSERT_TRUE(PaneShows("Rig: 6,085.000 kHz")) << Pane();
    EXPECT_EQ(program->Rig().Pane()->toolTip().toStdString(),
              "Rig server: 127.0.0.1:" + std::to_string(port) + "\nBridge: zofar-rig, found as VESTRIX");
    EXPECT_TRUE(program->Frame().Action(CommandId::RigConnect)->isChecked());

    SelectAt(6005000);
    ASSERT_EQ(program->Frame().ListView()->GetListRows().selected, 0);
    EXPECT_TRUE(program->Frame().ExecuteCommand(CommandId::Tune));
    EXPECT_EQ(test::AskRigServer(port, "f"), "6005000");
    EXPECT_TRUE(PaneShows("Rig: 6,005.000 kHz")) << Pane();
    EXPECT_TRUE(program->Frame().ExecuteCommand(CommandId::FindCreateStation));
    EXPECT_TRUE(SpinUntil([&] {
        return program->Frame().statusBar()->currentMessage().contains(QStringLiteral("no station list"));
    })) << program->Frame().statusBar()->currentMessage().toStdString();

    const qint64 first = Supervisor().BridgePid();
    ASSERT_GT(first, 0);
    ::kill(static_cast<pid_t>(first), SIGKILL);
    EXPECT_TRUE(SpinUntil([&] { return Pane() == "Rig: the bridge stopped unexpectedly"; }));
    ASSERT_TRUE(SpinUntil([&] { return Supervisor().BridgePid() > 0 && Supervisor().BridgePid() != first; }, 8s));
    EXPECT_TRUE(PaneShows("Rig: 6,005.000 kHz")) << Pane();

    const qint64 second = Supervisor().BridgePid();
    program.reset();
    EXPECT_FALSE(Alive(second));
}

TEST_F(RigConnectionProgramTest, withoutARigServerThePaneSaysSoAndSoDoesATune) {
    const std::uint16_t port = test::FreeLoopbackPort();
    StartProgram(RigSection(port));
    const std::string server = "127.0.0.1:" + std::to_string(port);
    ASSERT_TRUE(PaneShows("Rig: no rig server at " + server)) << Pane();
    SelectAt(6005000);
    EXPECT_TRUE(program->Frame().ExecuteCommand(CommandId::Tune));
    EXPECT_TRUE(PaneShows("Rig: could not tune to 6,005.000 kHz: no rig server at " + server)) << Pane();
    EXPECT_EQ(program->Frame().statusBar()->currentMessage().toStdString(),
              "The rig could not be tuned to 6,005.000 kHz: no rig server at " + server + ".");

    EXPECT_TRUE(program->Frame().ExecuteCommand(CommandId::RigConnect));
    EXPECT_FALSE(Supervisor().IsOn());
    EXPECT_EQ(Supervisor().BridgePid(), 0);
    EXPECT_EQ(Pane(), "Rig: not connected");
    EXPECT_FALSE(program->Frame().Action(CommandId::RigConnect)->isChecked());
}

TEST_F(RigConnectionProgramTest, zofarStartsRigctldWithTheDummyRigAndStopsItAtQuit) {
    const std::uint16_t port = test::FreeLoopbackPort();
    StartProgram(RigSection(port, "StartRigctld=1\nModel=1\n"));
    ASSERT_TRUE(SpinUntil([&] { return std::regex_match(Pane(), std::regex("Rig: [0-9,]+\\.[0-9]{3} kHz")); }, 8s))
        << Pane();
    const qint64 rigctld = Supervisor().RigctldPid();
    const qint64 bridge = Supervisor().BridgePid();
    ASSERT_GT(rigctld, 0);
    EXPECT_EQ(test::AskRigServer(port, "F 9420000"), "RPRT 0");
    EXPECT_TRUE(PaneShows("Rig: 9,420.000 kHz")) << Pane();

    program.reset();
    EXPECT_FALSE(Alive(rigctld));
    EXPECT_FALSE(Alive(bridge));
}

// The children of `parent` whose program is `name`.
std::vector<qint64> ChildrenNamed(qint64 parent, const std::string& name) {
    std::vector<qint64> children;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream stat(entry.path() / "stat");
        const std::string text((std::istreambuf_iterator<char>(stat)), {});
        const auto open = text.find('(');
        const auto close = text.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close + 4 >= text.size()) continue;
        std::istringstream rest(text.substr(close + 4));
        qint64 ppid = 0;
        rest >> ppid;
        if (ppid == parent && text.substr(open + 1, close - open - 1) == name) children.push_back(std::stoll(pid));
    }
    return children;
}

// ZOFAR killed outright runs no code of its own at the end: the bridge must still end.
TEST(RigConnectionKilledProgram, aKilledZofarLeavesNoBridgeBehind) {
    test::TempDir home;
    for (const char* sub : {"bin", "config", "data", "runtime"}) std::filesystem::create_directories(home.path() / sub);
    std::filesystem::permissions(home.path() / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(ZOFAR_BINARY_PATH, home.file("bin/zofar"));
    std::filesystem::copy_file(ZOFAR_RIG_PATH, home.file("bin/zofar-rig"));
    std::ofstream(home.file("config/zofar.INI")) << "[Rig]\nConnect=1\nPort=" << test::FreeLoopbackPort() << "\n";

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(home.path().string()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.file("config")));
    env.insert("XDG_DATA_HOME", QString::fromStdString(home.file("data")));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.file("runtime")));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess zofar;
    zofar.setProcessEnvironment(env);
    zofar.start(QString::fromStdString(home.file("bin/zofar")), {});
    ASSERT_TRUE(zofar.waitForStarted(10000));
    std::vector<qint64> bridges;
    const bool started = SpinUntil(
        [&] {
            bridges = ChildrenNamed(zofar.processId(), "zofar-rig");
            return !bridges.empty();
        },
        10s);
    if (!started) zofar.kill();
    ASSERT_TRUE(started);

    zofar.kill();
    ASSERT_TRUE(zofar.waitForFinished(10000));
    EXPECT_TRUE(SpinUntil([&] { return !Alive(bridges[0]); }, 5s));
}

TEST(RigConnectionDialog, presetsFilterChecksAndResultAreTheUsers) {
    const std::vector<RigModel> models{
        {1, "Hamlib", "Dummy", "", ""}, {3073, "Icom", "IC-7300", "", ""}, {1041, "Yaesu", "FT-817", "", ""}};
    int asked = 0;
    CRigConnectionDlg dialog(RigSettings{}, [&] {
        ++asked;
        return models;
    });
    EXPECT_EQ(dialog.windowTitle(), "ZOFAR  Rig Connection");
    EXPECT_EQ(dialog.Port()->text(), "4532");
    dialog.Preset()->setCurrentIndex(2);
    emit dialog.Preset()->activated(2);
    EXPECT_EQ(dialog.Port()->text(), "7356");
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(dialog.Model()->isEnabled());

    dialog.StartRigctld()->setChecked(true);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(dialog.Models()->count(), 3);
    dialog.Filter()->setText(QStringLiteral("icom"));
    ASSERT_EQ(dialog.Models()->count(), 1);
    dialog.Models()->setCurrentRow(0);
    EXPECT_EQ(dialog.Model()->text(), "3073");

    dialog.PollMs()->setText(QStringLiteral("10"));
    test::ModalDriver driver;
    driver.Answer(QMessageBox::Ok);
    dialog.accept();
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(driver.boxes[0].text.startsWith(QStringLiteral("The poll interval")));

    dialog.PollMs()->setText(QStringLiteral("250"));
    dialog.Device()->setText(QStringLiteral("/dev/ttyUSB0"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), (RigSettings{"127.0.0.1", 7356, 250, false, true, 3073, "/dev/ttyUSB0", 0}));
}

}  // namespace
}  // namespace zofar
