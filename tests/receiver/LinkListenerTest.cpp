#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "LinkTestSockets.h"
#include "receiver/LinkFolder.h"
#include "receiver/LinkListener.h"
#include "receiver/LittleEndian.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::TempDir;

namespace {

using Clock = std::chrono::steady_clock;

// Reads from connection `fd` until it gives a frame or a drop, or nothing more arrives.
LinkReadResult ReadUntilSettled(LinkListener& listener, int fd) {
    LinkReadResult result;
    while (result.status == LinkReadStatus::NothingYet && test::WaitReadable(fd, 1000)) {
        result = listener.ReadFrom(fd);
    }
    return result;
}

std::vector<uint8_t> FrameBytes(uint32_t dwData, const std::string& name, std::vector<uint8_t> data) {
    return EncodeLinkFrame(LinkFrame{dwData, name, std::move(data)});
}

bool ExistsAsSocket(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

}  // namespace

TEST(LinkListener, badPeersAreDroppedAndTheNextValidFrameIsStillRead) {
    TempDir dir;
    LinkListener listener;
    ASSERT_EQ(listener.Open(dir.folder(), "ZOFAR").status, LinkOpenStatus::Listening);
    const std::string path = listener.SocketPath();

    FileDescriptor silent = test::ConnectClient(path);

    FileDescriptor oversized = test::ConnectClient(path);
    std::vector<uint8_t> header(12, 0);
    PutU32LittleEndian(header.data(), 10001);
    PutU32LittleEndian(header.data() + 4, 0);
    PutU32LittleEndian(header.data() + 8, kMaxLinkPayload + 1);
    ASSERT_TRUE(test::SendBytes(oversized.Get(), header));

    FileDescriptor truncated = test::ConnectClient(path);
    std::vector<uint8_t> half = FrameBytes(10001, "VESTRIX", {1, 2, 3, 4});
    half.resize(half.size() / 2);
    ASSERT_TRUE(test::SendBytes(truncated.Get(), half));
    ::shutdown(truncated.Get(), SHUT_WR);

    FileDescriptor valid = test::ConnectClient(path);
    ASSERT_TRUE(test::SendBytes(valid.Get(), FrameBytes(10001, "VESTRIX", {0xC7, 0xC0, 0x8F, 0x00})));

    const Clock::time_point accepted = Clock::now();
    ASSERT_EQ(listener.AcceptPending(accepted), 4u);
    const std::vector<int> fds = listener.ConnectionFds();
    ASSERT_EQ(fds.size(), 4u);

    EXPECT_EQ(listener.ReadFrom(fds[0]).status, LinkReadStatus::NothingYet);
    EXPECT_EQ(ReadUntilSettled(listener, fds[1]).status, LinkReadStatus::Drop);
    EXPECT_EQ(ReadUntilSettled(listener, fds[2]).status, LinkReadStatus::Drop);
    EXPECT_TRUE(test::ClosedByPeer(oversized.Get()));
    EXPECT_TRUE(test::ClosedByPeer(truncated.Get()));

    const LinkReadResult read = ReadUntilSettled(listener, fds[3]);
    ASSERT_EQ(read.status, LinkReadStatus::Frame);
    EXPECT_EQ(read.frame, (LinkFrame{10001, "VESTRIX", {0xC7, 0xC0, 0x8F, 0x00}}));
    EXPECT_TRUE(listener.Answer(fds[3], 0x01020304));
    EXPECT_EQ(test::ReadAnswer(valid.Get()), 0x01020304u);
    EXPECT_TRUE(test::ClosedByPeer(valid.Get()));

    // The peer that said nothing stays until it has had its time, then goes.
    EXPECT_EQ(listener.DropIdle(accepted + std::chrono::milliseconds(kLinkIdleLimitMs - 1)), 0u);
    EXPECT_EQ(listener.DropIdle(accepted + std::chrono::milliseconds(kLinkIdleLimitMs)), 1u);
    EXPECT_TRUE(test::ClosedByPeer(silent.Get()));
    EXPECT_TRUE(listener.ConnectionFds().empty());
}

TEST(LinkListener, bytesAfterTheFrameAreIgnoredAndAClosingPeerIsDropped) {
    TempDir dir;
    LinkListener listener;
    ASSERT_EQ(listener.Open(dir.folder(), "ZOFAR").status, LinkOpenStatus::Listening);
    FileDescriptor client = test::ConnectClient(listener.SocketPath());
    std::vector<uint8_t> bytes = FrameBytes(10001, "V", {1, 0, 0, 0});
    bytes.insert(bytes.end(), 100, 0xEE);
    ASSERT_TRUE(test::SendBytes(client.Get(), bytes));
    ASSERT_EQ(listener.AcceptPending(Clock::now()), 1u);
    const int fd = listener.ConnectionFds().at(0);
    EXPECT_EQ(ReadUntilSettled(listener, fd).status, LinkReadStatus::Frame);
    ASSERT_TRUE(test::SendBytes(client.Get(), {0xEE, 0xEE}));
    ASSERT_TRUE(test::WaitReadable(fd));
    EXPECT_EQ(listener.ReadFrom(fd).status, LinkReadStatus::NothingYet);
    client.Close();
    EXPECT_EQ(ReadUntilSettled(listener, fd).status, LinkReadStatus::Drop);
    EXPECT_TRUE(listener.ConnectionFds().empty());
}

TEST(LinkListener, keepsAtMostItsLimitOfConnectionsDroppingTheOldest) {
    TempDir dir;
    LinkListener listener;
    ASSERT_EQ(listener.Open(dir.folder(), "ZOFAR").status, LinkOpenStatus::Listening);
    std::vector<FileDescriptor> clients;
    for (std::size_t i = 0; i < kMaxLinkConnections; ++i) {
        clients.push_back(test::ConnectClient(listener.SocketPath()));
        ASSERT_EQ(listener.AcceptPending(Clock::now()), 1u);
    }
    clients.push_back(test::ConnectClient(listener.SocketPath()));
    ASSERT_EQ(listener.AcceptPending(Clock::now()), 1u);
    EXPECT_EQ(listener.ConnectionFds().size(), kMaxLinkConnections);
    EXPECT_TRUE(test::ClosedByPeer(clients.front().Get()));
    EXPECT_FALSE(test::ClosedByPeer(clients[1].Get(), 50));
}

TEST(LinkListener, aPeerOfAnotherUserIsClosedOnAccepting) {
    TempDir dir;
    LinkListener listener(::geteuid() + 1);
    ASSERT_EQ(listener.Open(dir.folder(), "ZOFAR").status, LinkOpenStatus::Listening);
    FileDescriptor client = test::ConnectClient(listener.SocketPath());
    ASSERT_TRUE(test::SendBytes(client.Get(), FrameBytes(10001, "V", {1, 0, 0, 0})));
    EXPECT_EQ(listener.AcceptPending(Clock::now()), 0u);
    EXPECT_TRUE(listener.ConnectionFds().empty());
    EXPECT_TRUE(test::ClosedByPeer(client.Get()));
}

TEST(LinkListener, aStaleSocketIsReplacedButALiveOneOrAnotherFileIsLeftAlone) {
    TempDir dir;
    const std::string path = dir.file("ZOFAR");
    ASSERT_TRUE(test::MakeStaleSocket(path));
    LinkListener first;
    ASSERT_EQ(first.Open(dir.folder(), "ZOFAR").status, LinkOpenStatus::Listening);
    FileDescriptor client = test::ConnectClient(path);
    EXPECT_TRUE(client.Valid());

    LinkListener second;
    const LinkOpenResult taken = second.Open(dir.folder(), "ZOFAR");
    EXPECT_EQ(taken.status, LinkOpenStatus::Taken);
    EXPECT_NE(taken.message, "");
    EXPECT_EQ(second.ListenFd(), -1);
    second.Close();
    EXPECT_TRUE(test::ConnectClient(path).Valid());

    std::ofstream(dir.file("NOTES")) << "keep me";
    const LinkOpenResult inTheWay = second.Open(dir.folder(), "NOTES");
    EXPECT_EQ(inTheWay.status, LinkOpenStatus::Failed);
    EXPECT_NE(inTheWay.message, "");
    std::ifstream notes(dir.file("NOTES"));
    std::string text;
    std::getline(notes, text);
    EXPECT_EQ(text, "keep me");

    EXPECT_EQ(second.Open(dir.folder(), std::string(200, 'Z')).status, LinkOpenStatus::Failed);
}

TEST(LinkListener, closingRemovesTheSocketFileOnlyWhileItIsStillOurs) {
    TempDir dir;
    const std::string path = dir.file("ZOFAR");
    {
        LinkListener listener;
        ASSERT_EQ(listener.Open(dir.folder(), "ZOFAR").status, LinkOpenStatus::Listening);
        EXPECT_TRUE(ExistsAsSocket(path));
    }
    EXPECT_FALSE(std::filesystem::exists(path));

    LinkListener old;
    ASSERT_EQ(old.Open(dir.folder(), "ZOFAR").status, LinkOpenStatus::Listening);
    // Someone removed our file and another instance now listens under the name.
    std::filesystem::remove(path);
    LinkListener replacement;
    ASSERT_EQ(replacement.Open(dir.folder(), "ZOFAR").status, LinkOpenStatus::Listening);
    old.Close();
    EXPECT_TRUE(ExistsAsSocket(path));
    EXPECT_TRUE(test::ConnectClient(path).Valid());
}
