#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <vector>

#include "rig/FakeRigServer.h"
#include "rig/RigClient.h"
#include "rig/RigctldProcess.h"
#include "rig/RunClientUntil.h"

using namespace zofar;
using namespace zofar::test;
using namespace std::chrono_literals;

namespace {

constexpr RigClientTiming kQuick{1000ms, 1000ms, 20ms, 100ms};

RigTime Now() { return std::chrono::steady_clock::now(); }

std::optional<RigResult> PollOnce(RigClient& client) {
    std::optional<RigResult> result;
    if (!client.Poll(Now(), [&](const RigResult& r) { result = r; })) return std::nullopt;
    RunClientUntil(client, [&] { return result.has_value(); });
    return result;
}

}  // namespace

TEST(Rigctld, aTuneSetsTheDummyRigAndThePollReadsItBack) {
    const std::uint16_t port = FreeLoopbackPort();
    RigctldProcess rigctld(port);
    ASSERT_TRUE(rigctld.Running());
    RigClient client({"127.0.0.1", port}, kQuick, nullptr);
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

    std::optional<RigResult> tuned;
    client.Tune(9420000, Now(), [&](const RigResult& r) { tuned = r; });
    ASSERT_TRUE(RunClientUntil(client, [&] { return tuned.has_value(); }));
    EXPECT_EQ(tuned->outcome, RigOutcome::Answered);

    const auto polled = PollOnce(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->outcome, RigOutcome::Answered);
    EXPECT_EQ(polled->hz, 9420000);
    EXPECT_EQ(AskRigServer(port, "f"), "9420000");
}

TEST(Rigctld, aFrequencySetByAnotherClientIsSeenByThePoll) {
    const std::uint16_t port = FreeLoopbackPort();
    RigctldProcess rigctld(port);
    ASSERT_TRUE(rigctld.Running());
    RigClient client({"127.0.0.1", port}, kQuick, nullptr);
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));
    ASSERT_TRUE(PollOnce(client).has_value());

    ASSERT_EQ(AskRigServer(port, "F 6085000"), "RPRT 0");
    const auto polled = PollOnce(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->hz, 6085000);
}

TEST(Rigctld, aRestartedRigctldIsReconnected) {
    const std::uint16_t port = FreeLoopbackPort();
    auto rigctld = std::make_unique<RigctldProcess>(port);
    ASSERT_TRUE(rigctld->Running());
    std::vector<RigConnectionState> states;
    RigClient client({"127.0.0.1", port}, kQuick,
                     [&](RigConnectionState s, const std::string&) { states.push_back(s); });
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));
    ASSERT_TRUE(PollOnce(client).has_value());

    rigctld.reset();
    ASSERT_TRUE(RunClientUntil(client, [&] { return !client.Connected(); }));
    rigctld = std::make_unique<RigctldProcess>(port);
    ASSERT_TRUE(rigctld->Running());
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

    const auto polled = PollOnce(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->outcome, RigOutcome::Answered);
    ASSERT_GE(states.size(), 3U);
    EXPECT_EQ(states[1], RigConnectionState::Lost);
    EXPECT_EQ(states.back(), RigConnectionState::Connected);
}
