#include <gtest/gtest.h>

#include "receiver/LinkFrameDecoder.h"
#include "receiver/LinkMessage.h"
#include "receiver/LittleEndian.h"

using namespace zofar;

namespace {

std::vector<uint8_t> Header(uint32_t dwData, uint32_t nameLength) {
    std::vector<uint8_t> bytes(8);
    PutU32LittleEndian(bytes.data(), dwData);
    PutU32LittleEndian(bytes.data() + 4, nameLength);
    return bytes;
}

}  // namespace

TEST(LinkFrameDecoder, readsAFrameFedOneByteAtATime) {
    const LinkFrame frame{1002, "ZOFAR", {1, 2, 3, 0, 255}};
    const std::vector<uint8_t> bytes = EncodeLinkFrame(frame);
    ASSERT_EQ(bytes.size(), 4u + 4 + 5 + 4 + 5);
    EXPECT_EQ(bytes[0], 0xEA);  // 1002 = 0x3EA, little-endian
    EXPECT_EQ(bytes[1], 0x03);

    LinkFrameDecoder decoder;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        const LinkDecodeResult step = decoder.Feed({&bytes[i], 1});
        ASSERT_EQ(step.status, LinkDecodeStatus::NeedMore) << i;
        EXPECT_EQ(step.consumed, 1u);
        EXPECT_TRUE(decoder.InsideFrame());
    }
    const LinkDecodeResult last = decoder.Feed({&bytes.back(), 1});
    ASSERT_EQ(last.status, LinkDecodeStatus::Complete);
    EXPECT_EQ(last.frame, frame);
    EXPECT_FALSE(decoder.InsideFrame());
}

TEST(LinkFrameDecoder, takesNoByteBeyondTheFrameAndThenReadsTheNext) {
    const LinkFrame first{10001, "VESTRIX", {0xC7, 0xC0, 0x8F, 0x00}};
    const LinkFrame empty{7, "", {}};
    std::vector<uint8_t> bytes = EncodeLinkFrame(first);
    const std::size_t firstSize = bytes.size();
    const std::vector<uint8_t> second = EncodeLinkFrame(empty);
    ASSERT_EQ(second.size(), 12u);
    bytes.insert(bytes.end(), second.begin(), second.end());

    LinkFrameDecoder decoder;
    const LinkDecodeResult a = decoder.Feed(bytes);
    ASSERT_EQ(a.status, LinkDecodeStatus::Complete);
    EXPECT_EQ(a.consumed, firstSize);
    EXPECT_EQ(a.frame, first);
    const LinkDecodeResult b = decoder.Feed(std::span(bytes).subspan(firstSize));
    ASSERT_EQ(b.status, LinkDecodeStatus::Complete);
    EXPECT_EQ(b.consumed, 12u);
    EXPECT_EQ(b.frame, empty);
}

TEST(LinkFrameDecoder, refusesANameOrDataAboveTheLimitBeforeAnyOfItArrives) {
    struct Case {
        uint32_t nameLength;
        uint32_t dataLength;
        LinkDecodeStatus status;
    };
    const Case cases[] = {
        {kMaxLinkPayload + 1, 0, LinkDecodeStatus::Error},
        {0xFFFFFFFF, 0, LinkDecodeStatus::Error},
        {0, kMaxLinkPayload + 1, LinkDecodeStatus::Error},
        {0, 0xFFFFFFFF, LinkDecodeStatus::Error},
        {kMaxLinkPayload, kMaxLinkPayload, LinkDecodeStatus::NeedMore},
    };
    for (const Case& c : cases) {
        LinkFrameDecoder decoder;
        std::vector<uint8_t> bytes = Header(1002, c.nameLength);
        LinkDecodeResult step = decoder.Feed(bytes);
        if (step.status == LinkDecodeStatus::NeedMore) {
            bytes.assign(c.nameLength + 4, 'n');
            PutU32LittleEndian(bytes.data() + c.nameLength, c.dataLength);
            step = decoder.Feed(bytes);
        }
        EXPECT_EQ(step.status, c.status) << c.nameLength << " " << c.dataLength;
        if (c.status == LinkDecodeStatus::Error) {
            // A decoder in error takes nothing more.
            const uint8_t more[4] = {};
            EXPECT_EQ(decoder.Feed(more).status, LinkDecodeStatus::Error);
            EXPECT_EQ(decoder.Feed(more).consumed, 0u);
        }
    }
}

TEST(LinkMessage, incomingFrequencyComesOnlyFromGoToFrequencyFramesWithFourBytes) {
    struct Case {
        uint32_t dwData;
        std::vector<uint8_t> data;
        std::optional<int32_t> hz;
    };
    const Case cases[] = {
        {10001, {0xC7, 0xC0, 0x8F, 0x00}, 9420999},
        {10001, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
        {10001, {0x00, 0x00, 0x00, 0x80}, std::numeric_limits<int32_t>::min()},
        {10001, {0xE7, 0x03, 0x00, 0x00, 0x11, 0x22}, 999},
        {10001, {0xE7, 0x03, 0x00}, std::nullopt},
        {10001, {}, std::nullopt},
        {1002, {0xE7, 0x03, 0x00, 0x00}, std::nullopt},
        {10002, {0xE7, 0x03, 0x00, 0x00}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IncomingFrequencyHz(LinkFrame{c.dwData, "VESTRIX", c.data}), c.hz)
            << c.dwData << " " << c.data.size();
    }
}
