#include "rig/LinkBridgeSide.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "receiver/LinkFolder.h"
#include "receiver/LinkMessage.h"
#include "receiver/LinkTestSockets.h"
#include "receiver/ReceiverSimulator.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::ReceiverSimulator;
using zofar::test::TempDir;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

// Drives the link side as the bridge's loop does and collects the frames it hands on, until
// `done` holds or `limit` has passed; gives what `done` says at the end.
bool Drive(LinkBridgeSide& side, std::vector<LinkRequest>& requests, const std::function<bool()>& done,
           std::chrono::milliseconds limit = 3000ms) {
    const auto end = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= end) return false;
        std::vector<pollfd> fds = side.PollFds();
        auto wait = 20ms;
        if (const auto deadline = side.NextDeadline()) {
            wait = std::clamp(std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now()), 0ms, wait);
        }
        ::poll(fds.data(), fds.size(), static_cast<int>(wait.count()));
        side.OnPollFds(fds, Clock::now());
        side.OnTimer(Clock::now());
        for (LinkRequest& r : side.TakeRequests()) requests.push_back(std::move(r));
    }
    return true;
}

void DriveFor(LinkBridgeSide& side, std::vector<LinkRequest>& requests, std::chrono::milliseconds time) {
    Drive(
        side, requests, [] { return false; }, time);
}

FileDescriptor SendFrame(const std::string& path, const LinkFrame& frame) {
    FileDescriptor client = test::ConnectClient(path);
    EXPECT_TRUE(client.Valid());
    EXPECT_TRUE(test::SendBytes(client.Get(), EncodeLinkFrame(frame)));
    return client;
}

std::vector<std::int32_t> ReportedFrequencies(const ReceiverSimulator& zofar) {
    std::vector<std::int32_t> hz;
    for (const LinkFrame& frame : zofar.Frames()) {
        EXPECT_EQ(frame.senderName, "VESTRIX");
        hz.push_back(IncomingFrequencyHz(frame).value_or(-1));
    }
    return hz;
}

}  // namespace

TEST(LinkBridgeSide, eachFrameIsHandedOnAndItsAnswerGoesBackToTheProgramThatSentIt) {
    TempDir dir;
    LinkBridgeSide side(dir.folder(), "VESTRIX");
    ASSERT_EQ(side.Open().status, LinkOpenStatus::Listening);
    EXPECT_EQ(side.SocketPath(), LinkSocketPath(dir.folder(), "VESTRIX"));

    const LinkFrame tune{kTuneMessage, "ZOFAR", std::vector<uint8_t>(160, 0x41)};
    const LinkFrame find{kFindStationMessage, "ZOFAR", {1, 2, 3}};
    FileDescriptor first = SendFrame(side.SocketPath(), tune);
    std::vector<LinkRequest> requests;
    ASSERT_TRUE(Drive(side, requests, [&] { return requests.size() == 1; }));
    FileDescriptor second = SendFrame(side.SocketPath(), find);
    ASSERT_TRUE(Drive(side, requests, [&] { return requests.size() == 2; }));

    EXPECT_EQ(requests[0].dwData, kTuneMessage);
    EXPECT_EQ(requests[0].data, std::string(160, 'A'));
    EXPECT_EQ(requests[1].dwData, kFindStationMessage);
    EXPECT_EQ(requests[1].data, std::string("\x01\x02\x03"));
    EXPECT_NE(requests[0].id, requests[1].id);
    side.Answer(requests[1].id, 22);
    side.Answer(requests[0].id, 11);
    side.Answer(requests[0].id, 33);
    EXPECT_EQ(test::ReadAnswer(second.Get()), 22u);
    EXPECT_EQ(test::ReadAnswer(first.Get()), 11u);
    EXPECT_TRUE(test::ClosedByPeer(first.Get()));
}

TEST(LinkBridgeSide, anAnswerForAClosedConnectionNeverReachesANewcomerOnTheSameDescriptor) {
    TempDir dir;
    LinkBridgeSide side(dir.folder(), "VESTRIX");
    ASSERT_EQ(side.Open().status, LinkOpenStatus::Listening);
    std::vector<LinkRequest> requests;
    FileDescriptor early = SendFrame(side.SocketPath(), LinkFrame{kTuneMessage, "ZOFAR", {1, 2, 3, 4}});
    ASSERT_TRUE(Drive(side, requests, [&] { return requests.size() == 1; }));
    const int earlyFd = side.PollFds().back().fd;

    // A full house of connections closes the oldest, the one whose frame waits, and the last of
    // them arrives at once after it. With every lower number taken, that last one is given the
    // closed connection's number in the same round.
    std::vector<FileDescriptor> clients;
    for (std::size_t i = 0; i <= kMaxLinkConnections; ++i) {
        clients.emplace_back(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    }
    std::vector<FileDescriptor> holes;
    for (FileDescriptor fd(::open("/dev/null", O_RDONLY | O_CLOEXEC)); fd.Valid() && fd.Get() < earlyFd;
         fd = FileDescriptor(::open("/dev/null", O_RDONLY | O_CLOEXEC))) {
        holes.push_back(std::move(fd));
    }
    const auto address = MakeUnixSocketAddress(side.SocketPath());
    for (const FileDescriptor& client : clients) {
        ASSERT_EQ(::connect(client.Get(), reinterpret_cast<const sockaddr*>(&address->address), address->length), 0);
    }
    DriveFor(side, requests, 100ms);
    ASSERT_TRUE(test::ClosedByPeer(early.Get()));
    ASSERT_EQ(side.PollFds().back().fd, earlyFd);

    const int newcomer = clients.back().Get();
    side.Answer(requests[0].id, 1);
    EXPECT_FALSE(test::ReadAnswer(newcomer, 200).has_value());
    ASSERT_TRUE(test::SendBytes(newcomer, EncodeLinkFrame(LinkFrame{kFindStationMessage, "ZOFAR", {}})));
    ASSERT_TRUE(Drive(side, requests, [&] { return requests.size() == 2; }));
    side.Answer(requests[1].id, 2);
    EXPECT_EQ(test::ReadAnswer(newcomer), 2u);
}

TEST(LinkBridgeSide, reportsGoToZofarOneAtATimeWithoutHoldingUpTheLink) {
    TempDir dir;
    ReceiverSimulator zofar(dir.folder(), std::string(kZofarLinkName));
    ASSERT_TRUE(zofar.Listening());
    zofar.SetReply(ReceiverSimulator::Reply::Silent);
    LinkBridgeSide side(dir.folder(), "VESTRIX", nullptr, 400ms);
    ASSERT_EQ(side.Open().status, LinkOpenStatus::Listening);
    std::vector<LinkRequest> requests;

    // ZOFAR may be waiting for the answer to its own tune while it has not read the report.
    side.SendFrequency(7100000);
    FileDescriptor tune = SendFrame(side.SocketPath(), LinkFrame{kTuneMessage, "ZOFAR", {}});
    ASSERT_TRUE(Drive(
        side, requests, [&] { return requests.size() == 1; }, 300ms));
    side.Answer(requests[0].id, 1);
    EXPECT_EQ(test::ReadAnswer(tune.Get(), 100), 1u);

    // Reports that come while one is under way: only the newest waits for its turn.
    side.SendFrequency(9420000);
    side.SendFrequency(6085000);
    ASSERT_TRUE(Drive(side, requests, [&] { return zofar.Frames().size() == 2; }));
    DriveFor(side, requests, 600ms);
    EXPECT_EQ(ReportedFrequencies(zofar), (std::vector<std::int32_t>{7100000, 6085000}));
}

TEST(LinkBridgeSide, whetherZofarTakesTheReportsIsLoggedOncePerChange) {
    TempDir dir;
    std::vector<std::string> log;
    LinkBridgeSide side(dir.folder(), "VESTRIX", [&](const std::string& line) { log.push_back(line); });
    std::vector<LinkRequest> requests;
    side.SendFrequency(1);
    side.SendFrequency(2);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "ZOFAR does not take the rig's frequency reports (not running, or not answering at " +
                          LinkSocketPath(dir.folder(), kZofarLinkName) + ")");

    ReceiverSimulator zofar(dir.folder(), std::string(kZofarLinkName));
    ASSERT_TRUE(zofar.Listening());
    side.SendFrequency(3);
    ASSERT_TRUE(Drive(side, requests, [&] { return log.size() == 2; }));
    side.SendFrequency(4);
    ASSERT_TRUE(Drive(side, requests, [&] { return zofar.Frames().size() == 2; }));
    DriveFor(side, requests, 50ms);
    EXPECT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], "ZOFAR takes the rig's frequency reports");
    EXPECT_EQ(ReportedFrequencies(zofar), (std::vector<std::int32_t>{3, 4}));
}
