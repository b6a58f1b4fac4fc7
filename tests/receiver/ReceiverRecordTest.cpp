#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "receiver/ReceiverRecord.h"

using namespace zofar;

TEST(ReceiverRecord, frequencyInHzIsRoundedUpByATenthOfAHertzThenTruncated) {
    struct Case {
        double kHz;
        std::optional<int32_t> hz;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {9420.0, 9420000},
        {6084.9999999, 6085000},
        {6055.5, 6055500},
        {0.0, 0},
        {-5.0, -4999},
        {2147483.647, 2147483647},
        {2147483.648, std::nullopt},
        {-2147483.648, -2147483647},
        {-2147483.65, std::nullopt},
        {1e300, std::nullopt},
        {std::nan(""), std::nullopt},
        {inf, std::nullopt},
        {-inf, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ReceiverFrequencyHz(c.kHz), c.hz) << c.kHz;
}

TEST(ReceiverRecord, textsLieAtTheirOffsetsEachEndedByANul) {
    const RecordSummary record{9420.0, "Radio Exterior", "Noblejas", "Spain", "E"};
    const ReceiverRecordBytes bytes = EncodeReceiverRecord(9420000, record);

    EXPECT_EQ(bytes[0], 0xE0);  // 9420000 = 0x008FBCE0, little-endian
    EXPECT_EQ(bytes[1], 0xBC);
    EXPECT_EQ(bytes[2], 0x8F);
    EXPECT_EQ(bytes[3], 0x00);
    const auto textAt = [&](std::size_t offset) { return std::string(reinterpret_cast<const char*>(&bytes[offset])); };
    EXPECT_EQ(textAt(4), "Radio Exterior");
    EXPECT_EQ(textAt(54), "Noblejas");
    EXPECT_EQ(textAt(104), "Spain");
    EXPECT_EQ(textAt(154), "E");
    // Everything after each text is zero.
    for (std::size_t i = 4 + 14; i < 54; ++i) EXPECT_EQ(bytes[i], 0) << i;
    for (std::size_t i = 155; i < 160; ++i) EXPECT_EQ(bytes[i], 0) << i;
}

TEST(ReceiverRecord, overlongTextsAreCutToLeaveRoomForTheirNul) {
    const RecordSummary record{0.0, std::string(60, 'S'), std::string(50, 'L'), "", "ABCDEFG"};
    const ReceiverRecordBytes bytes = EncodeReceiverRecord(0, record);
    const auto content = DecodeReceiverRecord(bytes);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->station, std::string(49, 'S'));
    EXPECT_EQ(bytes[53], 0);
    EXPECT_EQ(content->location, std::string(49, 'L'));
    EXPECT_EQ(content->country, "");
    EXPECT_EQ(content->itu, "ABCDE");
    EXPECT_EQ(bytes[159], 0);
}

TEST(ReceiverRecord, accentedTextsTravelAsCodePage1252Bytes) {
    const RecordSummary record{1.0, "R\u00E1dio Ren\u00E9", "Z\u00FCrich", "\u00D6sterreich", "SUI"};
    const ReceiverRecordBytes bytes = EncodeReceiverRecord(-1, record);
    EXPECT_EQ(bytes[5], 0xE1);
    EXPECT_EQ(bytes[55], 0xFC);
    EXPECT_EQ(bytes[104], 0xD6);

    const auto content = DecodeReceiverRecord(bytes);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->hz, -1);
    EXPECT_EQ(content->station, record.station);
    EXPECT_EQ(content->location, record.location);
    EXPECT_EQ(content->country, record.country);
    EXPECT_EQ(content->itu, record.itu);
}

TEST(ReceiverRecord, decoderRefusesShortRecordsAndStopsTextsWithoutNulAtTheirArea) {
    std::vector<uint8_t> bytes(160, 'x');
    EXPECT_FALSE(DecodeReceiverRecord(std::span(bytes).first(159)));
    const auto content = DecodeReceiverRecord(bytes);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->station, std::string(50, 'x'));
    EXPECT_EQ(content->itu, std::string(6, 'x'));
}
