#include "receiver/LinkEndpoint.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "LinkTestSockets.h"
#include "receiver/LinkMessage.h"
#include "receiver/LittleEndian.h"
#include "support/SpinUntil.h"
#include "support/TempDir.h"

namespace zofar {
namespace {

using namespace std::chrono_literals;

using test::SpinUntil;

std::vector<uint8_t> Report(int32_t hz) {
    LinkFrame frame{kGoToFrequencyMessage, "VESTRIX", std::vector<uint8_t>(4)};
    PutU32LittleEndian(frame.data.data(), static_cast<uint32_t>(hz));
    return EncodeLinkFrame(frame);
}

class LinkEndpointTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::vector<LinkFrame> handled;
    std::function<void(const LinkFrame&)> onFrame = [this](const LinkFrame& f) { handled.push_back(f); };
    LinkEndpoint endpoint{[this](const LinkFrame& f) { onFrame(f); }};

    void SetUp() override { ASSERT_EQ(endpoint.Open(dir.folder()).status, LinkOpenStatus::Listening); }
    FileDescriptor Connect() { return test::ConnectClient(endpoint.SocketPath()); }
};

TEST_F(LinkEndpointTest, silentHalfAndOversizedPeersNeitherBlockNorStopTheNextValidFrame) {
    EXPECT_EQ(endpoint.SocketPath(), dir.folder() + "ZOFAR");
    FileDescriptor silent = Connect();
    FileDescriptor half = Connect();
    std::vector<uint8_t> bytes = Report(9420000);
    bytes.resize(bytes.size() / 2);
    ASSERT_TRUE(test::SendBytes(half.Get(), bytes));
    FileDescriptor oversized = Connect();
    std::vector<uint8_t> header(8, 0);
    PutU32LittleEndian(header.data(), kGoToFrequencyMessage);
    PutU32LittleEndian(header.data() + 4, kMaxLinkPayload + 1);
    ASSERT_TRUE(test::SendBytes(oversized.Get(), header));

    FileDescriptor valid = Connect();
    ASSERT_TRUE(test::SendBytes(valid.Get(), Report(9420999)));
    ASSERT_TRUE(SpinUntil([&] { return !handled.empty(); }));
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_EQ(IncomingFrequencyHz(handled[0]), 9420999);
    EXPECT_EQ(test::ReadAnswer(valid.Get(), 0), 0u);
    EXPECT_TRUE(SpinUntil([&] { return test::ClosedByPeer(oversized.Get(), 0); }));
    // The silent and the half peer wait for their bound; they hold nothing up meanwhile.
    EXPECT_EQ(endpoint.OpenConnections(), 2u);

    FileDescriptor next = Connect();
    ASSERT_TRUE(test::SendBytes(next.Get(), Report(6055000)));
    ASSERT_TRUE(SpinUntil([&] { return handled.size() == 2; }));
    EXPECT_EQ(IncomingFrequencyHz(handled[1]), 6055000);
}

TEST_F(LinkEndpointTest, framesArrivingWhileOneIsHandledAreAnsweredAtOnceAndOnlyTheLatestFollows) {
    std::vector<FileDescriptor> later;
    onFrame = [&](const LinkFrame& f) {
        handled.push_back(f);
        if (handled.size() > 1) return;
        // As a message box does: the event loop runs inside the handler.
        for (int hz : {7000000, 8000000}) {
            later.push_back(Connect());
            ASSERT_TRUE(test::SendBytes(later.back().Get(), Report(hz)));
            EXPECT_TRUE(SpinUntil([&] { return test::WaitReadable(later.back().Get(), 0); }));
            EXPECT_EQ(test::ReadAnswer(later.back().Get(), 0), 0u);
        }
        EXPECT_EQ(handled.size(), 1u);
    };
    FileDescriptor first = Connect();
    ASSERT_TRUE(test::SendBytes(first.Get(), Report(6000000)));
    ASSERT_TRUE(SpinUntil([&] { return handled.size() >= 2; }));
    ASSERT_EQ(handled.size(), 2u);
    EXPECT_EQ(IncomingFrequencyHz(handled[0]), 6000000);
    EXPECT_EQ(IncomingFrequencyHz(handled[1]), 8000000);
}

TEST_F(LinkEndpointTest, anExceptionFromTheHandlerStaysInsideTheEndpoint) {
    onFrame = [](const LinkFrame&) { throw std::runtime_error("broken"); };
    FileDescriptor client = Connect();
    ASSERT_TRUE(test::SendBytes(client.Get(), Report(9420000)));
    EXPECT_TRUE(SpinUntil([&] { return test::WaitReadable(client.Get(), 0); }));
    EXPECT_EQ(test::ReadAnswer(client.Get(), 0), 0u);

    onFrame = [this](const LinkFrame& f) { handled.push_back(f); };
    FileDescriptor next = Connect();
    ASSERT_TRUE(test::SendBytes(next.Get(), Report(6055000)));
    EXPECT_TRUE(SpinUntil([&] { return handled.size() == 1; }));
}

}  // namespace
}  // namespace zofar
