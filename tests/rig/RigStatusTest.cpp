#include <gtest/gtest.h>

#include "rig/RigStatus.h"

using namespace zofar;

namespace {

RigSettings Server(const char* host, std::uint16_t port) {
    RigSettings settings;
    settings.host = host;
    settings.port = port;
    return settings;
}

}  // namespace

TEST(RigStatus, thePaneFollowsTheBridgesReports) {
    RigStatus status(Server("127.0.0.1", 7356), "VESTRIX");
    EXPECT_EQ(status.PaneText(), "Rig: not connected");
    EXPECT_EQ(status.Apply({RigReportKind::NoServer, std::nullopt}), std::nullopt);
    EXPECT_EQ(status.PaneText(), "Rig: no rig server at 127.0.0.1:7356");
    EXPECT_EQ(status.Apply({RigReportKind::TuneFailed, 9'420'000}),
              "The rig could not be tuned to 9,420.000 kHz: no rig server at 127.0.0.1:7356.");
    EXPECT_EQ(status.PaneText(), "Rig: could not tune to 9,420.000 kHz: no rig server at 127.0.0.1:7356");
    status.Apply({RigReportKind::Connected, std::nullopt});
    EXPECT_EQ(status.PaneText(), "Rig: connected to 127.0.0.1:7356");
    status.Apply({RigReportKind::Connected, 9'410'000});
    EXPECT_EQ(status.PaneText(), "Rig: 9,410.000 kHz");
    EXPECT_EQ(status.Apply({RigReportKind::TuneFailed, 6'085'000}), "The rig could not be tuned to 6,085.000 kHz.");
    const auto find = status.Apply({RigReportKind::FindIgnored, 6'085'000});
    ASSERT_TRUE(find);
    EXPECT_NE(find->find("6,085.000 kHz"), std::string::npos);
    status.NotConnected();
    EXPECT_EQ(status.PaneText(), "Rig: not connected");
}

TEST(RigStatus, aRepeatedFailureTakesTheStatusLineOnlyOnce) {
    RigStatus status(Server("::1", 4532));
    EXPECT_EQ(status.Failed("the bridge stopped unexpectedly"), "Rig connection: the bridge stopped unexpectedly");
    EXPECT_EQ(status.Failed("the bridge stopped unexpectedly"), std::nullopt);
    EXPECT_EQ(status.PaneText(), "Rig: the bridge stopped unexpectedly");
    status.Apply({RigReportKind::Connected, 9'410'000});
    EXPECT_TRUE(status.Failed("the bridge stopped unexpectedly"));
}

TEST(RigStatus, theTipNamesTheRigServerAndTheRigctldZofarStarts) {
    RigSettings settings = Server("::1", 4532);
    EXPECT_EQ(RigStatus(settings, "VESTRIX").ToolTip(), "Rig server: [::1]:4532\nBridge: zofar-rig, found as VESTRIX");
    settings.startRigctld = true;
    settings.model = 3073;
    settings.device = "/dev/ttyUSB0";
    EXPECT_EQ(RigStatus(settings).ToolTip(),
              "Rig server: [::1]:4532\nrigctld started by ZOFAR, rig model 3073 at /dev/ttyUSB0");
}
