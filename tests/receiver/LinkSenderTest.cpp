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

TEST(LinkSender, tuneAndFindStationDeliverTheSameRecordAndDifferOnlyInType) {
    TempDir dir;
    ReceiverSimulator receiver(dir.folder(), "VESTRIX 2.1");
    ASSERT_TRUE(receiver.Listening());
    receiver.SetReply(ReceiverSimulator::Reply::Answer, 77);
    const auto socket = FindReceiverSocket(dir.folder(), "VESTRIX");
    ASSERT_EQ(socket, receiver.SocketPath());

    const LinkSendResult tune = SendLinkFrame(*socket, MakeReceiverRecordFrame(kTuneMessage, 9420000, kRecord));
    const LinkSendResult find = SendLinkFrame(*socket, MakeReceiverRecordFrame(kFindStationMessage, 9420000, kRecord));
    EXPECT_EQ(tune.status, LinkSendStatus::Delivered);
    EXPECT_EQ(tune.answer, 77u);
    EXPECT_EQ(find.status, LinkSendStatus::Delivered);

    ASSERT_TRUE(receiver.WaitForFrames(2));
    const std::vector<LinkFrame> frames = receiver.Frames();
    EXPECT_EQ(frames[0].dwData, 1002u);
    EXPECT_EQ(frames[1].dwData, 2002u);
    EXPECT_EQ(frames[0].senderName, "ZOFAR");
    EXPECT_EQ(frames[1].senderName, "ZOFAR");
    ASSERT_EQ(frames[0].data.size(), 160u);
    EXPECT_EQ(frames[0].data, frames[1].data);
    const auto content = DecodeReceiverRecord(frames[0].data);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->hz, 9420000);
    EXPECT_EQ(content->station, "Radio Exterior");
}

TEST(LinkSender, aPeerThatNeverAnswersCountsAsNotActiveWithinTheBound) {
    TempDir dir;
    ReceiverSimulator receiver(dir.folder(), "VESTRIX");
    ASSERT_TRUE(receiver.Listening());
    receiver.SetReply(ReceiverSimulator::Reply::Silent);

    constexpr int kBoundMs = 300;
    const auto start = Clock::now();
    const LinkSendResult result = SendLinkFrame(receiver.SocketPath(), LinkFrame{1002, "ZOFAR", {1}}, kBoundMs);
    const auto waited = Clock::now() - start;
    EXPECT_EQ(result.status, LinkSendStatus::NotActive);
    EXPECT_GE(waited, std::chrono::milliseconds(kBoundMs));
    // Far above the bound, so only a sender that ignores it fails here.
    EXPECT_LT(waited, std::chrono::milliseconds(kBoundMs * 10));
    EXPECT_TRUE(receiver.WaitForFrames(1));
}

TEST(LinkSender, aPeerThatClosesWithoutAnswerOrNoListenerAtAllIsNotActive) {
    TempDir dir;
    ReceiverSimulator receiver(dir.folder(), "VESTRIX");
    ASSERT_TRUE(receiver.Listening());
    receiver.SetReply(ReceiverSimulator::Reply::HangUp);
    EXPECT_EQ(SendLinkFrame(receiver.SocketPath(), LinkFrame{1002, "ZOFAR", {1}}).status, LinkSendStatus::NotActive);

    ASSERT_TRUE(test::MakeStaleSocket(dir.file("STALE")));
    EXPECT_EQ(SendLinkFrame(dir.file("STALE"), LinkFrame{1002, "ZOFAR", {1}}).status, LinkSendStatus::NotActive);
    EXPECT_EQ(SendLinkFrame(dir.file("MISSING"), LinkFrame{1002, "ZOFAR", {1}}).status, LinkSendStatus::NotActive);
    EXPECT_EQ(SendLinkFrame(dir.file(std::string(200, 'L')), LinkFrame{1002, "ZOFAR", {1}}).status,
              LinkSendStatus::NotActive);
}

TEST(LinkSender, aFullBacklogIsWaitedOnOnlyUntilTheBound) {
    TempDir dir;
    const std::string path = dir.file("BUSY");
    const auto address = MakeUnixSocketAddress(path);
    FileDescriptor server(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    ASSERT_EQ(::bind(server.Get(), reinterpret_cast<const sockaddr*>(&address->address), address->length), 0);
    ASSERT_EQ(::listen(server.Get(), 0), 0);
    // Nobody accepts: the first connections fill the backlog.
    std::vector<FileDescriptor> fillers;
    for (int i = 0; i < 4; ++i) {
        FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address->address), address->length);
        fillers.push_back(std::move(fd));
    }
    const auto start = Clock::now();
    EXPECT_EQ(SendLinkFrame(path, LinkFrame{1002, "ZOFAR", {1}}, 200).status, LinkSendStatus::NotActive);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(2000));
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
