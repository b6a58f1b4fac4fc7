#include "receiver/AsyncLinkSender.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <optional>

#include "LinkTestSockets.h"
#include "ReceiverSimulator.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::ReceiverSimulator;
using zofar::test::TempDir;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

const LinkFrame kReport{10001, "VESTRIX", {0x10, 0x27, 0, 0}};

// Drives the sender as a main loop does until its exchange has ended or `limit` has passed.
void RunUntilSettled(AsyncLinkSender& sender, std::chrono::milliseconds limit = 5000ms) {
    const auto end = Clock::now() + limit;
    while (sender.Busy() && Clock::now() < end) {
        auto until = end;
        if (const auto deadline = sender.NextDeadline()) until = std::min(until, *deadline);
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
        pollfd fd{sender.Fd(), sender.WantedEvents(), 0};
        ::poll(&fd, 1, static_cast<int>(std::max<long long>(wait.count(), 0)));
        sender.OnEvents(fd.revents, Clock::now());
        sender.OnTimer(Clock::now());
    }
}

}  // namespace

TEST(AsyncLinkSender, deliversTheFrameAndGivesThePeersAnswer) {
    TempDir dir;
    ReceiverSimulator zofar(dir.folder(), "ZOFAR");
    ASSERT_TRUE(zofar.Listening());
    zofar.SetReply(ReceiverSimulator::Reply::Answer, 7);
    AsyncLinkSender sender;
    std::optional<LinkSendResult> result;
    ASSERT_TRUE(sender.Start(zofar.SocketPath(), kReport, Clock::now(), 3000ms, [&](const LinkSendResult& r) {
        EXPECT_FALSE(result.has_value());
        result = r;
    }));
    EXPECT_FALSE(sender.Start(zofar.SocketPath(), kReport, Clock::now(), 3000ms, [](const LinkSendResult&) {
        ADD_FAILURE() << "a second exchange was started while one is under way";
    }));
    RunUntilSettled(sender);

    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->status, LinkSendStatus::Delivered);
    EXPECT_EQ(result->answer, 7u);
    ASSERT_TRUE(zofar.WaitForFrames(1));
    EXPECT_EQ(zofar.Frames(), std::vector<LinkFrame>{kReport});
}

TEST(AsyncLinkSender, endsNotActiveWithinTheBoundWhenThePeerIsMissingHangsUpStaysSilentOrIsFullOrTheFrameTooLarge) {
    TempDir dir;
    test::UnansweringPeers peers(dir.folder());
    ASSERT_TRUE(peers.staleMade);
    ASSERT_EQ(peers.full.fillers.size(), 4u);

    struct Case {
        std::string path;
        bool settledInStart;
        LinkFrame frame = kReport;
    };
    const LinkFrame huge{10001, "VESTRIX", std::vector<uint8_t>(kMaxLinkPayload + 1)};
    const Case cases[] = {
        {dir.file("MISSING"), true},
        {dir.file("STALE"), true},
        {dir.file(std::string(200, 'L')), true},
        {peers.hangsUp.SocketPath(), false},
        {peers.silent.SocketPath(), false},
        {dir.file("FULL"), false},
        {peers.hangsUp.SocketPath(), true, huge},
    };
    constexpr auto kBound = 300ms;
    for (const Case& c : cases) {
        AsyncLinkSender sender;
        std::optional<LinkSendResult> result;
        const auto start = Clock::now();
        ASSERT_TRUE(sender.Start(c.path, c.frame, start, kBound, [&](const LinkSendResult& r) { result = r; }));
        EXPECT_EQ(result.has_value(), c.settledInStart) << c.path;
        RunUntilSettled(sender);
        ASSERT_TRUE(result.has_value()) << c.path;
        EXPECT_EQ(result->status, LinkSendStatus::NotActive) << c.path;
        // Far above the bound, so only a sender that ignores it fails here.
        EXPECT_LT(Clock::now() - start, kBound * 5) << c.path;
    }
    // The one frame the hanging-up peer saw came from its own case, not the oversized one.
    EXPECT_EQ(peers.hangsUp.Frames(), std::vector<LinkFrame>{kReport});
}
