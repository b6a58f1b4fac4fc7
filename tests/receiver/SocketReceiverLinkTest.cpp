#include <gtest/gtest.h>

#include "ReceiverSimulator.h"
#include "receiver/LinkFolder.h"
#include "receiver/LinkListener.h"
#include "receiver/LinkMessage.h"
#include "receiver/SocketReceiverLink.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::ReceiverSimulator;
using zofar::test::TempDir;

namespace {

const LinkFrame kTune =
    MakeReceiverRecordFrame(kTuneMessage, 9420000, RecordSummary{9420.0, "ERT", "", "Greece", "GRC"});

}  // namespace

TEST(SocketReceiverLink, sendsToTheProgramWhoseSocketNameBeginsWithTheNameAfterBlanks) {
    TempDir dir;
    ReceiverSimulator blanks(dir.folder(), "  VESTRIX 2.1");
    ASSERT_TRUE(blanks.Listening());
    SocketReceiverLink link(dir.folder());

    EXPECT_TRUE(link.Send("VESTRIX", kTune));
    ASSERT_TRUE(blanks.WaitForFrames(1));
    EXPECT_EQ(blanks.Frames()[0], kTune);
    EXPECT_FALSE(link.Send("VESTRIX 3", kTune));
    EXPECT_FALSE(SocketReceiverLink().Send("VESTRIX", kTune));  // no link folder
}

TEST(SocketReceiverLink, anEmptyNameTakesTheFirstSocketButNeverZofarsOwn) {
    TempDir dir;
    LinkListener zofar;  // sorts before "rig bridge" and would never answer a frame of its own
    ASSERT_EQ(zofar.Open(dir.folder(), kZofarLinkName).status, LinkOpenStatus::Listening);
    ReceiverSimulator rig(dir.folder(), "rig bridge");
    ASSERT_TRUE(rig.Listening());

    EXPECT_TRUE(SocketReceiverLink(dir.folder(), 500).Send("", kTune));
    EXPECT_TRUE(rig.WaitForFrames(1));
    EXPECT_FALSE(SocketReceiverLink(dir.folder(), 500).Send("ZOFAR", kTune));
}
