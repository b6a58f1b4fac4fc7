#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "receiver/LinkFolder.h"
#include "receiver/LinkMessage.h"
#include "receiver/LinkSender.h"
#include "receiver/ReceiverSimulator.h"
#include "rig/FakeRigServer.h"
#include "rig/RigProgram.h"
#include "rig/RigctldProcess.h"
#include "support/TempDir.h"

using namespace zofar;
using namespace zofar::test;
using namespace std::chrono_literals;

namespace {

const RecordSummary kStation{9420.0, "Radio Exterior", "Noblejas", "Spain", "E"};

// The link folder the program makes for itself under the runtime folder.
std::string LinkFolderIn(const TempDir& runtime) {
    const std::string path = runtime.path().string();
    return PrepareLinkFolder([&](const std::string& name) {
               return name == "XDG_RUNTIME_DIR" ? std::optional<std::string>(path) : std::nullopt;
           })
        .folder;
}

// What ZOFAR does on Tune and on Find/Create station; the answer, or nothing when the bridge
// did not answer within the link's bound.
std::optional<std::uint32_t> Ask(const std::string& socket, std::uint32_t message, std::int32_t hz) {
    const LinkSendResult result = SendLinkFrame(socket, MakeReceiverRecordFrame(message, hz, kStation));
    if (result.status != LinkSendStatus::Delivered) return std::nullopt;
    return result.answer;
}

std::vector<std::string> ProgramArgs(std::uint16_t port) {
    return {"--port", std::to_string(port), "--poll-ms", "100"};
}

std::string Connected(std::uint16_t port) { return "connected to the rig server at 127.0.0.1:" + std::to_string(port); }

}  // namespace

TEST(RigProgram, tunesTheRigForZofarAndReportsOnlyWhatIsTunedAtTheRig) {
    TempDir runtime;
    const std::string folder = LinkFolderIn(runtime);
    ReceiverSimulator zofar(folder, std::string(kZofarLinkName));
    ASSERT_TRUE(zofar.Listening());
    const std::uint16_t port = FreeLoopbackPort();
    RigctldProcess rigctld(port);
    ASSERT_TRUE(rigctld.Running());
    ASSERT_EQ(AskRigServer(port, "F 6085000"), "RPRT 0");
    RigProgram program(runtime.path().string(), ProgramArgs(port));
    ASSERT_TRUE(program.WaitForLog(Connected(port))) << program.Log();
    const std::string socket = LinkSocketPath(folder, "VESTRIX");

    EXPECT_EQ(Ask(socket, kTuneMessage, 9420000), 1u);
    EXPECT_EQ(AskRigServer(port, "f"), "9420000");
    // Neither where the rig stood at the start nor the bridge's own tune is news to ZOFAR.
    EXPECT_FALSE(zofar.WaitForFrames(1, 500ms));

    ASSERT_EQ(AskRigServer(port, "F 7100000"), "RPRT 0");
    ASSERT_TRUE(zofar.WaitForFrames(1));
    const LinkFrame report = zofar.Frames().at(0);
    EXPECT_EQ(report.dwData, kGoToFrequencyMessage);
    EXPECT_EQ(report.senderName, "VESTRIX");
    EXPECT_EQ(IncomingFrequencyHz(report), 7100000);

    EXPECT_EQ(program.Stop(SIGINT), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(socket)));
    EXPECT_EQ(Occurrences(program.Log(), "zofar-rig: stopped by SIGINT\n"), 1) << program.Log();
}

TEST(RigProgram, keepsItsLinkSocketWhileTheRigServerIsAwayAndReconnectsWhenItIsBack) {
    TempDir runtime;
    const std::string folder = LinkFolderIn(runtime);
    const std::uint16_t port = FreeLoopbackPort();
    auto rigctld = std::make_unique<RigctldProcess>(port);
    ASSERT_TRUE(rigctld->Running());
    RigProgram program(runtime.path().string(), ProgramArgs(port));
    ASSERT_TRUE(program.WaitForLog(Connected(port))) << program.Log();
    const std::string socket = LinkSocketPath(folder, "VESTRIX");

    rigctld.reset();
    ASSERT_TRUE(program.WaitForLog("lost the rig server")) << program.Log();
    EXPECT_EQ(Ask(socket, kTuneMessage, 9420000), 0u);
    EXPECT_EQ(Ask(socket, kFindStationMessage, 9420000), 1u);

    rigctld = std::make_unique<RigctldProcess>(port);
    ASSERT_TRUE(rigctld->Running());
    ASSERT_TRUE(program.WaitForLog(Connected(port), 2)) << program.Log();
    EXPECT_EQ(Ask(socket, kTuneMessage, 9420000), 1u);
    EXPECT_EQ(AskRigServer(port, "f"), "9420000");

    const std::string log = program.Log();
    EXPECT_EQ(Occurrences(log, "lost the rig server"), 1) << log;
    EXPECT_LE(Occurrences(log, "cannot connect to the rig server"), 1) << log;
    EXPECT_EQ(program.Stop(SIGTERM), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(socket)));
}

TEST(RigProgram, answersTheLinkWithinItsBoundWhateverTheRigServerDoes) {
    struct Case {
        std::string server;
        FakeRigServer::Responder reply;
        std::uint32_t tuneAnswer;
    };
    // Repeated reports and garbled frequencies are the client's to sort out; these are the servers
    // that change what the program answers.
    const Case cases[] = {
        {"refuses every tune", [](const std::string& line) { return line == "f" ? "7100000\n" : "RPRT -11\n"; }, 0},
        {"accepts and never answers", [](const std::string&) { return std::string(); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("a rig server that " + c.server);
        TempDir runtime;
        const std::string folder = LinkFolderIn(runtime);
        FakeRigServer server(c.reply);
        RigProgram program(runtime.path().string(), ProgramArgs(server.Port()));
        ASSERT_TRUE(program.WaitForLog(Connected(server.Port()))) << program.Log();
        const std::string socket = LinkSocketPath(folder, "VESTRIX");

        EXPECT_EQ(Ask(socket, kTuneMessage, 9420000), c.tuneAnswer);
        EXPECT_EQ(Ask(socket, kFindStationMessage, 9420000), 1u);
        EXPECT_EQ(Ask(socket, kTuneMessage, 6085000), c.tuneAnswer);
        EXPECT_TRUE(program.Running());
        EXPECT_EQ(program.Stop(SIGTERM), 0);
    }
}

namespace {

// Whether `pid` is a process that has not ended (a zombie has).
bool Alive(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const auto close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

}  // namespace

TEST(RigProgram, withReportsItEndsWhenItsStarterEndsAndStartedByHandItRunsOn) {
    TempDir runtime;
    const std::string dir = runtime.path().string();
    const std::uint16_t port = FreeLoopbackPort();
    // A shell starts both bridges and, once both run, ends without a word, as a killed ZOFAR would.
    const std::string command = "XDG_RUNTIME_DIR='" + dir + "' '" ZOFAR_RIG_PATH "' --report --name BY-ZOFAR --port " +
                                std::to_string(port) + " >'" + dir + "/zofar.log' 2>&1 & echo $!; XDG_RUNTIME_DIR='" +
                                dir + "' '" ZOFAR_RIG_PATH "' --name BY-HAND --port " + std::to_string(port) + " >'" +
                                dir + "/hand.log' 2>&1 & echo $!; " + "n=0; until grep -q listening '" + dir +
                                "/zofar.log' && grep -q listening '" + dir + "/hand.log'; " +
                                "do n=$((n+1)); [ $n -gt 500 ] && break; sleep 0.01; done";
    FILE* shell = ::popen(command.c_str(), "r");
    ASSERT_NE(shell, nullptr);
    int byZofar = 0;
    int byHand = 0;
    const int read = std::fscanf(shell, "%d %d", &byZofar, &byHand);
    ::pclose(shell);
    ASSERT_EQ(read, 2);

    const auto end = std::chrono::steady_clock::now() + 5s;
    while (Alive(byZofar) && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(Alive(byZofar));
    std::ifstream log(dir + "/zofar.log");
    const std::string text((std::istreambuf_iterator<char>(log)), {});
    EXPECT_NE(text.find("no-server\n"), std::string::npos) << text;
    EXPECT_NE(text.find("zofar-rig: stopped: the program that started it has ended"), std::string::npos) << text;

    EXPECT_TRUE(Alive(byHand));
    ::kill(byHand, SIGTERM);
    const auto handEnd = std::chrono::steady_clock::now() + 5s;
    while (Alive(byHand) && std::chrono::steady_clock::now() < handEnd) std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(Alive(byHand));
}
