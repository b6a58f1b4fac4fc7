#include <gtest/gtest.h>

#include <sys/socket.h>

#include <chrono>
#include <future>

#include "LinkTestSockets.h"
#include "ReceiverSimulator.h"
#include "receiver/LinkFolder.h"
#include "receiver/LinkListener.h"
#include "receiver/LinkMessage.h"
#include "receiver/LinkSender.h"
#include "receiver/ReceiverRecord.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::ReceiverSimulator;
using zofar::test::TempDir;

namespace {

using Clock = std::chrono::steady_clock;

const RecordSummary kRecord{9420.0, "Radio Exterior", "Noblejas", "Spain", "E"};

}  // namespace

TEST(LinkSender, deliversTheFrameAndGivesTheReceiversAnswer) {
    TempDir dir;
    ReceiverSimulator receiver(dir.folder(), "VESTRIX 2.1");
    ASSERT_TRUE(receiver.Listening());
    receiver.SetReply(ReceiverSimulator::Reply::Answer, 77);
    const LinkFrame tune = MakeReceiverRecordFrame(kTuneMessage, 9420000, kRecord);

    const LinkSendResult result = SendLinkFrame(receiver.SocketPath(), tune);
    EXPECT_EQ(result.status, LinkSendStatus::Delivered);
    EXPECT_EQ(result.answer, 77u);
    ASSERT_TRUE(receiver.WaitForFrames(1));
    EXPECT_EQ(receiver.Frames(), std::vector<LinkFrame>{tune});
}

TEST(LinkSender, endsNotActiveWithinTheBoundWhenThePeerIsMissingHangsUpStaysSilentOrIsFull) {
    TempDir dir;
    test::UnansweringPeers peers(dir.folder());
    ASSERT_TRUE(peers.staleMade);
    ASSERT_EQ(peers.full.fillers.size(), 4u);

    const struct {
        std::string path;
        bool waitsTheBound;
    } cases[] = {
        {dir.file("MISSING"), false},
        {dir.file("STALE"), false},
        {dir.file(std::string(200, 'L')), false},
        {peers.hangsUp.SocketPath(), false},
        {peers.silent.SocketPath(), true},
        {dir.file("FULL"), false},
    };
    constexpr int kBoundMs = 300;
    for (const auto& c : cases) {
        const auto start = Clock::now();
        EXPECT_EQ(SendLinkFrame(c.path, LinkFrame{1002, "ZOFAR", {1}}, kBoundMs).status, LinkSendStatus::NotActive)
            << c.path;
        const auto waited = Clock::now() - start;
        if (c.waitsTheBound) {
            EXPECT_GE(waited, std::chrono::milliseconds(kBoundMs)) << c.path;
        }
        // Far above the bound, so only a sender that ignores it fails here.
        EXPECT_LT(waited, std::chrono::milliseconds(kBoundMs * 10)) << c.path;
    }
    EXPECT_EQ(peers.hangsUp.Frames().size(), 1u);
    EXPECT_EQ(peers.silent.Frames().size(), 1u);
}

TEST(LinkSender, theReceiverReportsItsFrequencyToZofarsListener) {
    TempDir dir;
    LinkListener zofar;
    ASSERT_EQ(zofar.Open(dir.folder(), kZofarLinkName).status, LinkOpenStatus::Listening);
    ReceiverSimulator receiver(dir.folder(), "VESTRIX");
    ASSERT_TRUE(receiver.Listening());

    auto sent = std::async(std::launch::async, [&] { return receiver.SendFrequency(zofar.SocketPath(), 9420999); });
    ASSERT_TRUE(test::WaitReadable(zofar.ListenFd()));
    ASSERT_EQ(zofar.AcceptPending(Clock::now()), 1u);
    const int fd = zofar.ConnectionFds().at(0);
    LinkReadResult read;
    while (read.status == LinkReadStatus::NothingYet && test::WaitReadable(fd)) read = zofar.ReadFrom(fd);
    ASSERT_EQ(read.status, LinkReadStatus::Frame);
    EXPECT_EQ(read.frame.senderName, "VESTRIX");
    EXPECT_EQ(IncomingFrequencyHz(read.frame), 9420999);
    EXPECT_TRUE(zofar.Answer(fd, 1));

    const LinkSendResult result = sent.get();
    EXPECT_EQ(result.status, LinkSendStatus::Delivered);
    EXPECT_EQ(result.answer, 1u);
    EXPECT_TRUE(zofar.ConnectionFds().empty());
}
