#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "rig/FakeRigServer.h"
#include "rig/RigBridge.h"
#include "rig/RigctldProcess.h"

using namespace zofar;
using namespace zofar::test;
using namespace std::chrono_literals;

namespace {

// The link as seen from the bridge: frames are put in by the test, answers and reports kept.
class RecordingLink : public RigLinkSide {
public:
    std::vector<pollfd> PollFds() const override { return {}; }
    void OnPollFds(const std::vector<pollfd>&, RigTime) override {}
    std::optional<RigTime> NextDeadline() const override { return std::nullopt; }
    void OnTimer(RigTime) override {}
    std::vector<LinkRequest> TakeRequests() override { return std::exchange(incoming, {}); }
    void Answer(std::uint64_t id, std::uint32_t answer) override { answers[id].push_back(answer); }
    void SendFrequency(std::int32_t hz) override { reported.push_back(hz); }

    void Receive(std::uint64_t id, std::uint32_t dwData, std::string data) {
        incoming.push_back(LinkRequest{id, dwData, std::move(data)});
    }

    std::vector<LinkRequest> incoming;
    std::map<std::uint64_t, std::vector<std::uint32_t>> answers;
    std::vector<std::int32_t> reported;
};

// A receiver record of 160 bytes whose first four carry `hz`, little-endian.
std::string Record(std::int32_t hz) {
    std::string record(160, '\0');
    const auto bits = static_cast<std::uint32_t>(hz);
    for (int i = 0; i < 4; ++i) record[static_cast<std::size_t>(i)] = static_cast<char>(bits >> (8 * i) & 0xFF);
    record.replace(4, 7, "STATION");
    return record;
}

constexpr RigBridgeTiming kQuick{50ms, 1500ms, RigClientTiming{1000ms, 1000ms, 20ms, 100ms}};

bool RunBridgeUntil(RigBridge& bridge, const std::function<bool()>& done, std::chrono::milliseconds limit = 3000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        bridge.RunRound(20ms);
    }
    return true;
}

void RunBridgeFor(RigBridge& bridge, std::chrono::milliseconds time) {
    RunBridgeUntil(
        bridge, [] { return false; }, time);
}

}  // namespace

TEST(RigBridge, aTuneFrameTunesTheRigAndIsAnsweredOnceTheRigHasAnswered) {
    const std::uint16_t port = FreeLoopbackPort();
    RigctldProcess rigctld(port);
    ASSERT_TRUE(rigctld.Running());
    RecordingLink link;
    std::vector<std::string> log;
    RigBridge bridge({"127.0.0.1", port}, kQuick, link, [&](const std::string& line) { log.push_back(line); });
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return !log.empty(); }));

    link.Receive(1, 1002, Record(9420000));
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return link.answers.count(1) == 1; }));
    EXPECT_EQ(link.answers[1], std::vector<std::uint32_t>{RigBridge::kAnswerDone});
    EXPECT_EQ(AskRigServer(port, "f"), "9420000");
    EXPECT_EQ(log, std::vector<std::string>{"connected to the rig server at 127.0.0.1:" + std::to_string(port)});
}

TEST(RigBridge, turningTheDialIsReportedButTheBridgesOwnTuneIsNot) {
    const std::uint16_t port = FreeLoopbackPort();
    RigctldProcess rigctld(port);
    ASSERT_TRUE(rigctld.Running());
    ASSERT_EQ(AskRigServer(port, "F 6085000"), "RPRT 0");
    RecordingLink link;
    RigBridge bridge({"127.0.0.1", port}, kQuick, link, nullptr);
    RunBridgeFor(bridge, 200ms);

    link.Receive(1, 1002, Record(9420000));
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return link.answers.count(1) == 1; }));
    RunBridgeFor(bridge, 200ms);
    EXPECT_TRUE(link.reported.empty());

    ASSERT_EQ(AskRigServer(port, "F 7100000"), "RPRT 0");
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return link.reported.size() == 1; }));
    ASSERT_EQ(AskRigServer(port, "F 9420000"), "RPRT 0");
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return link.reported.size() == 2; }));
    RunBridgeFor(bridge, 200ms);
    EXPECT_EQ(link.reported, (std::vector<std::int32_t>{7100000, 9420000}));
}

TEST(RigBridge, framesThatAskNothingOfTheRigAreAnsweredAtOnce) {
    RecordingLink link;
    RigBridge bridge({"127.0.0.1", FreeLoopbackPort()}, kQuick, link, nullptr);
    bridge.OnLinkRequest(LinkRequest{1, 2002, Record(9420000)}, std::chrono::steady_clock::now());
    bridge.OnLinkRequest(LinkRequest{2, 1002, std::string(3, '\0')}, std::chrono::steady_clock::now());
    bridge.OnLinkRequest(LinkRequest{3, 1002, Record(-5)}, std::chrono::steady_clock::now());
    bridge.OnLinkRequest(LinkRequest{4, 10001, Record(9420000)}, std::chrono::steady_clock::now());
    // No rig server: the tune cannot be done, and the frame need not wait.
    bridge.OnLinkRequest(LinkRequest{5, 1002, Record(9420000)}, std::chrono::steady_clock::now());

    using Answers = std::vector<std::uint32_t>;
    EXPECT_EQ(link.answers[1], Answers{RigBridge::kAnswerDone});
    for (std::uint64_t id : {2, 3, 4, 5}) EXPECT_EQ(link.answers[id], Answers{RigBridge::kAnswerNotDone}) << id;
}

TEST(RigBridge, aRigThatNeverAnswersDelaysNoFrameBeyondTheBound) {
    FakeRigServer silent([](const std::string&) { return std::string(); });
    RecordingLink link;
    RigBridgeTiming timing = kQuick;
    timing.answerBound = 250ms;
    timing.rig.replyTimeout = 400ms;
    RigBridge bridge({"127.0.0.1", silent.Port()}, timing, link, nullptr);
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return silent.Lines().size() == 1; }));  // a poll under way

    const auto sent = std::chrono::steady_clock::now();
    link.Receive(1, 1002, Record(9420000));
    RunBridgeFor(bridge, 50ms);
    link.Receive(2, 2002, Record(9420000));
    ASSERT_TRUE(RunBridgeUntil(
        bridge, [&] { return link.answers.count(2) == 1; }, 100ms));
    EXPECT_EQ(link.answers.count(1), 0U);

    // The rig could settle the tune only after the poll's timeout and its own, both 400 ms.
    ASSERT_TRUE(RunBridgeUntil(
        bridge, [&] { return link.answers.count(1) == 1; }, 1000ms));
    EXPECT_LT(std::chrono::steady_clock::now() - sent, timing.answerBound + 150ms);
    EXPECT_EQ(link.answers[1], std::vector<std::uint32_t>{RigBridge::kAnswerNotDone});
    // The tune still goes to the rig after its frame was answered, and is answered only once.
    ASSERT_TRUE(RunBridgeUntil(
        bridge, [&] { return silent.Lines().size() >= 2; }, 1000ms));
    EXPECT_EQ(silent.Lines()[1], "F 9420000");
    RunBridgeFor(bridge, 500ms);
    EXPECT_EQ(link.answers[1].size(), 1U);
}

TEST(RigBridge, reportsTheConnectionTheDialAndWhatItCouldNotDoOnceEach) {
    const std::uint16_t port = FreeLoopbackPort();
    RecordingLink link;
    RigBridge bridge({"127.0.0.1", port}, kQuick, link, nullptr);
    std::vector<RigStateReport> reports;
    bridge.SetStateReport([&](const RigStateReport& report) { reports.push_back(report); });
    using R = RigStateReport;
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return !reports.empty(); }));
    // A tune without a rig server fails; the repeated refusals are one report.
    link.Receive(1, 1002, Record(9420000));
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return link.answers.count(1) == 1; }));
    RunBridgeFor(bridge, 300ms);
    EXPECT_EQ(reports, (std::vector<R>{{RigReportKind::NoServer, std::nullopt}, {RigReportKind::TuneFailed, 9420000}}));

    RigctldProcess rigctld(port);
    ASSERT_TRUE(rigctld.Running());
    ASSERT_EQ(AskRigServer(port, "F 6085000"), "RPRT 0");
    reports.clear();
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return reports.size() == 2; }));
    EXPECT_EQ(reports, (std::vector<R>{{RigReportKind::Connected, std::nullopt}, {RigReportKind::Connected, 6085000}}));
    link.Receive(2, 1002, Record(9420000));
    link.Receive(3, 2002, Record(7100000));
    ASSERT_TRUE(RunBridgeUntil(bridge, [&] { return link.answers.count(2) == 1 && reports.size() == 4; }));
    RunBridgeFor(bridge, 200ms);
    EXPECT_EQ(reports, (std::vector<R>{{RigReportKind::Connected, std::nullopt},
                                       {RigReportKind::Connected, 6085000},
                                       {RigReportKind::FindIgnored, 7100000},
                                       {RigReportKind::Connected, 9420000}}));
}
