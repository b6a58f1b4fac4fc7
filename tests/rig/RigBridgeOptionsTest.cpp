#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rig/RigBridgeOptions.h"

using namespace zofar;

TEST(RigBridgeOptions, noArgumentsGiveTheDefaults) {
    const auto parse = ParseRigBridgeOptions({});
    ASSERT_TRUE(parse.options.has_value());
    EXPECT_EQ(parse.options->name, "VESTRIX");
    EXPECT_EQ(parse.options->rig.host, "127.0.0.1");
    EXPECT_EQ(parse.options->rig.port, 4532);
    EXPECT_EQ(parse.options->pollInterval.count(), 500);
}

TEST(RigBridgeOptions, valuesComeAfterTheOptionOrAfterAnEqualsSign) {
    const auto parse =
        ParseRigBridgeOptions({"--name", "  My Radio", "--host=gqrx.local", "--port", "7356", "--poll-ms=250"});
    ASSERT_TRUE(parse.options.has_value()) << parse.error;
    EXPECT_EQ(parse.options->name, "  My Radio");
    EXPECT_EQ(parse.options->rig.host, "gqrx.local");
    EXPECT_EQ(parse.options->rig.port, 7356);
    EXPECT_EQ(parse.options->pollInterval.count(), 250);
}

TEST(RigBridgeOptions, helpIsAskedForWithoutAnError) {
    const auto parse = ParseRigBridgeOptions({"--port", "1", "-h"});
    EXPECT_TRUE(parse.helpWanted);
    EXPECT_FALSE(parse.options.has_value());
    EXPECT_EQ(parse.error, "");
}

TEST(RigBridgeOptions, badCommandLinesAreRefusedWithAReason) {
    const std::vector<std::vector<std::string>> refused = {
        {"--colour", "red"},      {"--port"},       {"--port", "0"},   {"--port", "65536"},
        {"--port", "45x"},        {"--port", "-1"}, {"--port="},       {"--poll-ms", "49"},
        {"--poll-ms", "3600001"}, {"--name", ""},   {"--name", "a/b"}, {"--name", ".."},
        {"--host", ""},           {"extra"},
    };
    for (const auto& args : refused) {
        const auto parse = ParseRigBridgeOptions(args);
        EXPECT_FALSE(parse.options.has_value()) << args.front();
        EXPECT_NE(parse.error, "") << args.front();
    }
}
