#include <gtest/gtest.h>

#include <string>

#include "rig/RigReply.h"

using namespace zofar;

TEST(RigReply, frequencyLinesReadAsWholeHertz) {
    const struct {
        std::string line;
        std::int64_t hz;
    } cases[] = {
        {"145000000", 145000000},
        {"7100000\r", 7100000},
        {"0", 0},
        {"14074000.000000", 14074000},
        {"7100000.5", 7100001},
        {"7100000.49", 7100000},
        {"000000000000000009420000", 9420000},
        {"1000000000000", kMaxRigFrequencyHz},
    };
    for (const auto& c : cases) {
        const RigReplyLine reply = ParseRigReplyLine(c.line);
        EXPECT_EQ(reply.kind, RigReplyKind::Frequency) << c.line;
        EXPECT_EQ(reply.hz, c.hz) << c.line;
    }
}

TEST(RigReply, anythingElseThatIsNoReportIsGarbage) {
    const std::string garbage[] = {
        "VFOA",
        "14.074 MHz",
        "-7100000",
        "+7100000",
        "7100000 ",
        " 7100000",
        "1e7",
        "7100000.",
        ".5",
        "7,100,000",
        "0x6c5720",
        "1000000000001",
        "99999999999999999999999",
        std::string("7100\0000", 8),
        "RPRT",
        "RPRT ",
        "RPRT x",
        "RPRT 0 0",
        "RPRT  0",
        "rprt 0",
        "RPRT 1234567890",
        "RPRT -",
    };
    for (const std::string& line : garbage) {
        EXPECT_EQ(ParseRigReplyLine(line).kind, RigReplyKind::Garbage) << line;
    }
}

TEST(RigReply, reportsCarryTheirNumberWhateverItsSign) {
    const struct {
        std::string line;
        int report;
    } cases[] = {{"RPRT 0", 0}, {"RPRT 1", 1}, {"RPRT -11\r", -11}, {"RPRT +8", 8}, {"RPRT 123456789", 123456789}};
    for (const auto& c : cases) {
        const RigReplyLine reply = ParseRigReplyLine(c.line);
        EXPECT_EQ(reply.kind, RigReplyKind::Report) << c.line;
        EXPECT_EQ(reply.report, c.report) << c.line;
    }
}

TEST(RigReply, emptyAndBlankLinesAreNoReply) {
    for (const std::string line : {"", "\r", "   ", " \t"}) {
        EXPECT_EQ(ParseRigReplyLine(line).kind, RigReplyKind::Blank) << line;
    }
}

TEST(RigReply, eachCommandTakesOnlyTheRepliesMeantForIt) {
    const RigReplyLine ok{RigReplyKind::Report, 0, 0};
    const RigReplyLine failed{RigReplyKind::Report, 0, -11};
    const RigReplyLine frequency{RigReplyKind::Frequency, 7100000, 0};
    const RigReplyLine blank{RigReplyKind::Blank, 0, 0};
    const RigReplyLine garbage{RigReplyKind::Garbage, 0, 0};

    const auto tune = [](const RigReplyLine& line) { return ReplyForCommand(RigCommandKind::Tune, line); };
    const auto poll = [](const RigReplyLine& line) { return ReplyForCommand(RigCommandKind::Poll, line); };

    EXPECT_EQ(tune(ok)->outcome, RigOutcome::Answered);
    EXPECT_EQ(tune(failed)->outcome, RigOutcome::RigError);
    EXPECT_EQ(tune(failed)->report, -11);
    EXPECT_FALSE(tune(frequency).has_value());
    EXPECT_FALSE(tune(blank).has_value());
    EXPECT_EQ(tune(garbage)->outcome, RigOutcome::ProtocolError);

    EXPECT_EQ(poll(frequency)->outcome, RigOutcome::Answered);
    EXPECT_EQ(poll(frequency)->hz, 7100000);
    EXPECT_FALSE(poll(ok).has_value());
    EXPECT_EQ(poll(failed)->outcome, RigOutcome::RigError);
    EXPECT_FALSE(poll(blank).has_value());
    EXPECT_EQ(poll(garbage)->outcome, RigOutcome::ProtocolError);
}
