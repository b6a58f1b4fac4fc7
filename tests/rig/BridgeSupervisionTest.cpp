#include <gtest/gtest.h>

#include "rig/BridgeSupervision.h"

using namespace zofar;
using namespace std::chrono_literals;

TEST(RestartBackoff, thePauseDoublesUpToThirtySecondsAndStartsOverAfterASteadyRun) {
    RestartBackoff backoff;
    std::vector<std::chrono::milliseconds> pauses;
    for (int i = 0; i < 7; ++i) pauses.push_back(backoff.NextPause(200ms));
    EXPECT_EQ(pauses, (std::vector<std::chrono::milliseconds>{1s, 2s, 4s, 8s, 16s, 30s, 30s}));
    EXPECT_EQ(backoff.NextPause(29s), 30s);
    EXPECT_EQ(backoff.NextPause(30s), 1s);
    EXPECT_EQ(backoff.NextPause(1s), 2s);
    backoff.Reset();
    EXPECT_EQ(backoff.NextPause(0ms), 1s);
}

TEST(BridgeSupervision, theBridgeAndRigctldGetTheSettingsAsArguments) {
    RigSettings settings;
    settings.host = "localhost";
    settings.port = 4533;
    settings.pollMs = 250;
    EXPECT_EQ(BridgeArguments(settings, "VESTRIX"),
              (std::vector<std::string>{"--report", "--name", "VESTRIX", "--host", "localhost", "--port", "4533",
                                        "--poll-ms", "250"}));
    EXPECT_EQ(RigctldArguments(settings), (std::vector<std::string>{"-m", "1", "-T", "localhost", "-t", "4533"}));
    settings.model = 3073;
    settings.device = "/dev/ttyUSB0";
    settings.speed = 19200;
    EXPECT_EQ(RigctldArguments(settings), (std::vector<std::string>{"-m", "3073", "-r", "/dev/ttyUSB0", "-s", "19200",
                                                                    "-T", "localhost", "-t", "4533"}));
}
