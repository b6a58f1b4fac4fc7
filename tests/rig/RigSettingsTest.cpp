#include <gtest/gtest.h>

#include <variant>

#include "rig/RigSettings.h"

using namespace zofar;

namespace {

RigSettingsInput Valid() { return RigSettingsToInput(RigSettings{}); }

}  // namespace

TEST(RigSettings, theDialogsFieldsBecomeTheSettings) {
    const RigSettingsInput input{"localhost", "7356", " 250 ", true, true, "2", "/dev/ttyUSB0", ""};
    const auto checked = CheckRigSettings(input);
    ASSERT_TRUE(std::holds_alternative<RigSettings>(checked));
    EXPECT_EQ(std::get<RigSettings>(checked), (RigSettings{"localhost", 7356, 250, true, true, 2, "/dev/ttyUSB0", 0}));
    const auto again = CheckRigSettings(RigSettingsToInput(std::get<RigSettings>(checked)));
    ASSERT_TRUE(std::holds_alternative<RigSettings>(again));
    EXPECT_EQ(std::get<RigSettings>(again), std::get<RigSettings>(checked));
}

TEST(RigSettings, aFieldThatBreaksItsRuleIsNamed) {
    const struct {
        void (*change)(RigSettingsInput&);
        RigSettingsField field;
    } cases[] = {
        {[](RigSettingsInput& i) { i.host = ""; }, RigSettingsField::Host},
        {[](RigSettingsInput& i) { i.host = "my rig"; }, RigSettingsField::Host},
        {[](RigSettingsInput& i) { i.port = "0"; }, RigSettingsField::Port},
        {[](RigSettingsInput& i) { i.port = "65536"; }, RigSettingsField::Port},
        {[](RigSettingsInput& i) { i.port = "45x"; }, RigSettingsField::Port},
        {[](RigSettingsInput& i) { i.pollMs = "49"; }, RigSettingsField::PollMs},
        {[](RigSettingsInput& i) { i.pollMs = ""; }, RigSettingsField::PollMs},
        {[](RigSettingsInput& i) { i.startRigctld = true, i.host = "radio.example"; }, RigSettingsField::Host},
        {[](RigSettingsInput& i) { i.startRigctld = true, i.model = ""; }, RigSettingsField::Model},
        {[](RigSettingsInput& i) { i.startRigctld = true, i.model = "0"; }, RigSettingsField::Model},
        {[](RigSettingsInput& i) { i.startRigctld = true, i.device = "/dev/tty USB0"; }, RigSettingsField::Device},
        {[](RigSettingsInput& i) { i.startRigctld = true, i.speed = "fast"; }, RigSettingsField::Speed},
        {[](RigSettingsInput& i) { i.startRigctld = true, i.speed = "4000001"; }, RigSettingsField::Speed},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        RigSettingsInput input = Valid();
        cases[n].change(input);
        const auto checked = CheckRigSettings(input);
        ASSERT_TRUE(std::holds_alternative<RigSettingsProblem>(checked)) << n;
        EXPECT_EQ(std::get<RigSettingsProblem>(checked).field, cases[n].field) << n;
        EXPECT_FALSE(std::get<RigSettingsProblem>(checked).message.empty());
    }
}

TEST(RigSettings, theRigctldFieldsAreOnlyCheckedWhenZofarStartsRigctld) {
    RigSettingsInput input = Valid();
    input.host = "radio.example";
    input.model = "";
    input.speed = "fast";
    const auto checked = CheckRigSettings(input);
    ASSERT_TRUE(std::holds_alternative<RigSettings>(checked));
    EXPECT_EQ(std::get<RigSettings>(checked).model, 1);
    EXPECT_EQ(std::get<RigSettings>(checked).speed, 0);
}

TEST(RigSettings, loopbackHostsAndServerTexts) {
    EXPECT_TRUE(IsLoopbackHost("127.0.0.1"));
    EXPECT_TRUE(IsLoopbackHost("127.1.2.3"));
    EXPECT_TRUE(IsLoopbackHost("localhost"));
    EXPECT_TRUE(IsLoopbackHost("::1"));
    EXPECT_FALSE(IsLoopbackHost("192.168.1.5"));
    EXPECT_FALSE(IsLoopbackHost("localhost.example"));
    EXPECT_EQ(RigServerText("127.0.0.1", 4532), "127.0.0.1:4532");
    EXPECT_EQ(RigServerText("::1", 7356), "[::1]:7356");
}
