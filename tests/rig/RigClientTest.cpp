#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "rig/FakeRigServer.h"
#include "rig/RigClient.h"
#include "rig/RigctldProcess.h"
#include "rig/RunClientUntil.h"

using namespace zofar;
using namespace zofar::test;
using namespace std::chrono_literals;

namespace {

constexpr RigClientTiming kQuick{200ms, 500ms, 20ms, 100ms};
// Hamlib's rigctld takes longer to answer than the fake server.
constexpr RigClientTiming kRigctld{1000ms, 1000ms, 20ms, 100ms};

RigTime Now() { return std::chrono::steady_clock::now(); }

// The state lines a client reports, in order.
struct StateLog {
    std::vector<RigConnectionState> states;
    std::vector<std::string> lines;
    RigClient::StateReport Sink() {
        return [this](RigConnectionState state, const std::string& line) {
            states.push_back(state);
            lines.push_back(line);
        };
    }
};

// Runs one request to its end; the result, or nothing when it never ended.
std::optional<RigResult> Tune(RigClient& client, std::int64_t hz) {
    std::optional<RigResult> result;
    client.Tune(hz, Now(), [&](const RigResult& r) { result = r; });
    RunClientUntil(client, [&] { return result.has_value(); });
    return result;
}

std::optional<RigResult> Poll(RigClient& client) {
    std::optional<RigResult> result;
    if (!client.Poll(Now(), [&](const RigResult& r) { result = r; })) return std::nullopt;
    RunClientUntil(client, [&] { return result.has_value(); });
    return result;
}

}  // namespace

TEST(RigClient, tuneAndPollSendPlainCommandsEndedByALineFeed) {
    FakeRig rig;
    FakeRigServer server([&](const std::string& line) { return rig.Answer(line); });
    StateLog log;
    RigClient client({"127.0.0.1", server.Port()}, kQuick, log.Sink());
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

    const auto tuned = Tune(client, 7100000);
    ASSERT_TRUE(tuned.has_value());
    EXPECT_EQ(tuned->outcome, RigOutcome::Answered);
    const auto polled = Poll(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->outcome, RigOutcome::Answered);
    EXPECT_EQ(polled->hz, 7100000);

    EXPECT_EQ(server.Lines(), (std::vector<std::string>{"F 7100000", "f"}));
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"connected to the rig server at 127.0.0.1:" + std::to_string(server.Port())}));
}

TEST(RigClient, withHamlibsRigctldThePollReadsBackTheTuneAndATuneOfAnotherClient) {
    const std::uint16_t port = FreeLoopbackPort();
    RigctldProcess rigctld(port);
    ASSERT_TRUE(rigctld.Running());
    RigClient client({"127.0.0.1", port}, kRigctld, nullptr);
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

    const auto tuned = Tune(client, 9420000);
    ASSERT_TRUE(tuned.has_value());
    EXPECT_EQ(tuned->outcome, RigOutcome::Answered);
    auto polled = Poll(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->outcome, RigOutcome::Answered);
    EXPECT_EQ(polled->hz, 9420000);
    EXPECT_EQ(AskRigServer(port, "f"), "9420000");

    ASSERT_EQ(AskRigServer(port, "F 6085000"), "RPRT 0");
    polled = Poll(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->hz, 6085000);
}

TEST(RigClient, aRefusedTuneEndsAsARigErrorAndTheConnectionServesOn) {
    FakeRig rig;
    FakeRigServer server([&](const std::string& line) { return line[0] == 'F' ? "RPRT 1\n" : rig.Answer(line); });
    RigClient client({"127.0.0.1", server.Port()}, kQuick, nullptr);
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

    const auto tuned = Tune(client, 7100000);
    ASSERT_TRUE(tuned.has_value());
    EXPECT_EQ(tuned->outcome, RigOutcome::RigError);
    EXPECT_EQ(tuned->report, 1);
    const auto polled = Poll(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->hz, 145000000);
}

TEST(RigClient, aServerThatNeverAnswersTimesEachCommandOutOnTheSameConnection) {
    FakeRigServer server([](const std::string&) { return std::string(); });
    RigClient client({"127.0.0.1", server.Port()}, kQuick, nullptr);
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

    const auto started = Now();
    const auto tuned = Tune(client, 7100000);
    ASSERT_TRUE(tuned.has_value());
    EXPECT_EQ(tuned->outcome, RigOutcome::Timeout);
    EXPECT_GE(Now() - started, kQuick.replyTimeout);
    const auto polled = Poll(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->outcome, RigOutcome::Timeout);

    EXPECT_TRUE(client.Connected());
    EXPECT_EQ(server.Connections(), 1);
    EXPECT_EQ(server.Lines(), (std::vector<std::string>{"F 7100000", "f"}));
}

TEST(RigClient, aRepeatedReportIsNotTakenForTheReplyToTheNextCommand) {
    int tunes = 0;
    FakeRigServer server([&](const std::string&) { return ++tunes == 1 ? "RPRT 0\nRPRT 0\n" : "RPRT -11\n"; });
    RigClient client({"127.0.0.1", server.Port()}, kQuick, nullptr);
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

    EXPECT_EQ(Tune(client, 7100000)->outcome, RigOutcome::Answered);
    // The same repeat arriving late, after the command it belongs to has ended.
    server.SendToAll("RPRT 0\nRPRT 0\n");
    const auto second = Tune(client, 7200000);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->outcome, RigOutcome::RigError);
    EXPECT_EQ(second->report, -11);
}

TEST(RigClient, aGarbledFrequencyIsAProtocolErrorAndTheNextPollReadsAgain) {
    const std::string garbled[] = {
        "VFOA\n",
        "14.074 MHz\n",
        std::string("71\0"
                    "00000\n",
                    9),
        std::string(100000, '7') + "\n",
        "-5\n",
    };
    for (const std::string& reply : garbled) {
        std::atomic<int> polls = 0;
        FakeRigServer server([&](const std::string&) { return ++polls == 1 ? reply : std::string("7100000\n"); });
        RigClient client({"127.0.0.1", server.Port()}, kQuick, nullptr);
        ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

        const auto bad = Poll(client);
        ASSERT_TRUE(bad.has_value()) << reply.substr(0, 20);
        EXPECT_EQ(bad->outcome, RigOutcome::ProtocolError) << reply.substr(0, 20);
        const auto good = Poll(client);
        ASSERT_TRUE(good.has_value()) << reply.substr(0, 20);
        EXPECT_EQ(good->outcome, RigOutcome::Answered) << reply.substr(0, 20);
        EXPECT_EQ(good->hz, 7100000) << reply.substr(0, 20);
    }
}

TEST(RigClient, aTuneWaitingBehindAnotherGivesWayToANewerOne) {
    FakeRigServer server([](const std::string&) { return std::string(); });
    RigClient client({"127.0.0.1", server.Port()}, kQuick, nullptr);
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));

    std::vector<RigOutcome> outcomes(3, RigOutcome::Answered);
    int ended = 0;
    for (int i = 0; i < 3; ++i) {
        client.Tune(7000000 + i, Now(), [&, i](const RigResult& r) {
            outcomes[static_cast<std::size_t>(i)] = r.outcome;
            ++ended;
        });
    }
    ASSERT_TRUE(RunClientUntil(client, [&] { return ended == 3; }));
    EXPECT_EQ(outcomes, (std::vector<RigOutcome>{RigOutcome::Timeout, RigOutcome::Superseded, RigOutcome::Timeout}));
    EXPECT_EQ(server.Lines(), (std::vector<std::string>{"F 7000000", "F 7000002"}));
}

TEST(RigClient, withoutAServerTunesFailAtOnceAndTheRefusalIsReportedOnce) {
    StateLog log;
    RigClient client({"127.0.0.1", FreeLoopbackPort()}, kQuick, log.Sink());
    // Long enough for several attempts at the quick back-off.
    RunClientUntil(
        client, [] { return false; }, 300ms);

    std::optional<RigResult> tuned;
    client.Tune(7100000, Now(), [&](const RigResult& r) { tuned = r; });
    ASSERT_TRUE(tuned.has_value());
    EXPECT_EQ(tuned->outcome, RigOutcome::NotConnected);
    EXPECT_FALSE(client.Poll(Now(), [](const RigResult&) {}));
    ASSERT_EQ(log.states, (std::vector<RigConnectionState>{RigConnectionState::Refused}));
    EXPECT_NE(log.lines[0].find("cannot connect to the rig server at 127.0.0.1:"), std::string::npos) << log.lines[0];
}

TEST(RigClient, retriesWaitLongerAfterEachRefusalUpToTheLimit) {
    RigClient client({"127.0.0.1", FreeLoopbackPort()}, kQuick, nullptr);
    std::vector<std::chrono::milliseconds> waits;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const RigTime due = *client.NextDeadline();
        client.OnTimer(due);
        if (client.Fd() >= 0) {  // the refusal comes back through the socket
            pollfd fd{client.Fd(), client.WantedEvents(), 0};
            ASSERT_EQ(::poll(&fd, 1, 1000), 1);
            client.OnEvents(fd.revents, due);
        }
        ASSERT_LT(client.Fd(), 0);
        waits.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(*client.NextDeadline() - due));
    }
    EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds>{20ms, 40ms, 80ms, 100ms, 100ms}));
}

TEST(RigClient, aServerThatGoesAwayAndComesBackIsReconnected) {
    FakeRig rig;
    auto server = std::make_unique<FakeRigServer>([&](const std::string& line) { return rig.Answer(line); });
    const std::uint16_t port = server->Port();
    StateLog log;
    RigClient client({"127.0.0.1", port}, kQuick, log.Sink());
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));
    ASSERT_TRUE(Poll(client).has_value());

    // A command under way when the server goes ends as not connected.
    std::optional<RigResult> cut;
    server.reset();
    client.Tune(7100000, Now(), [&](const RigResult& r) { cut = r; });
    ASSERT_TRUE(RunClientUntil(client, [&] { return !client.Connected(); }));
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->outcome, RigOutcome::NotConnected);
    RunClientUntil(
        client, [] { return false; }, 150ms);

    server = std::make_unique<FakeRigServer>([&](const std::string& line) { return rig.Answer(line); }, port);
    const auto back = Now();
    ASSERT_TRUE(RunClientUntil(client, [&] { return client.Connected(); }));
    EXPECT_LE(Now() - back, kQuick.maxRetry + 100ms);
    const auto polled = Poll(client);
    ASSERT_TRUE(polled.has_value());
    EXPECT_EQ(polled->outcome, RigOutcome::Answered);
    EXPECT_EQ(log.states,
              (std::vector<RigConnectionState>{RigConnectionState::Connected, RigConnectionState::Lost,
                                               RigConnectionState::Refused, RigConnectionState::Connected}));
}
