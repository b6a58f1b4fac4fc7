// Link frames decoded from any bytes: each frame is exactly the bytes it was read from, and
// feeding the bytes in pieces of any size gives the same frames and the same end.
#include <algorithm>
#include <span>
#include <vector>

#include "FuzzSupport.h"
#include "receiver/LinkFrameDecoder.h"

using namespace zofar;

namespace {

struct Decoded {
    std::vector<LinkFrame> frames;
    LinkDecodeStatus last = LinkDecodeStatus::NeedMore;
    bool insideFrame = false;
};

// Feeds `bytes` in pieces whose sizes come from `sizes` in turn (0 means all that is left).
Decoded Decode(std::span<const uint8_t> bytes, std::span<const uint8_t> sizes) {
    Decoded out;
    LinkFrameDecoder decoder;
    std::size_t at = 0, turn = 0;
    while (at < bytes.size() && out.last != LinkDecodeStatus::Error) {
        std::size_t piece = bytes.size() - at;
        if (!sizes.empty()) {
            const std::size_t wanted = sizes[turn++ % sizes.size()];
            if (wanted != 0) piece = std::min(piece, wanted);
        }
        const LinkDecodeResult result = decoder.Feed(bytes.subspan(at, piece));
        fuzz::Check(result.consumed <= piece, "the decoder took more bytes than it was given");
        if (result.status == LinkDecodeStatus::Complete) {
            const std::vector<uint8_t> encoded = EncodeLinkFrame(result.frame);
            fuzz::Check(encoded.size() <= at + result.consumed, "a frame is longer than the bytes it came from");
            fuzz::Check(std::equal(encoded.begin(), encoded.end(),
                                   bytes.begin() + static_cast<std::ptrdiff_t>(at + result.consumed - encoded.size())),
                        "a frame is not the bytes it was read from");
            out.frames.push_back(result.frame);
        } else if (result.status == LinkDecodeStatus::NeedMore) {
            fuzz::Check(result.consumed == piece, "the decoder wants more but left bytes untaken");
        }
        at += result.consumed;
        out.last = result.status;
        if (result.consumed == 0 && result.status != LinkDecodeStatus::Complete) break;
    }
    out.insideFrame = decoder.InsideFrame();
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte says how many of the next bytes give the piece sizes.
    const std::size_t sizeCount = std::min<std::size_t>(data[0] % 8, size - 1);
    const std::span<const uint8_t> sizes(data + 1, sizeCount);
    const std::span<const uint8_t> bytes(data + 1 + sizeCount, size - 1 - sizeCount);

    const Decoded whole = Decode(bytes, {});
    const Decoded pieces = Decode(bytes, sizes);
    fuzz::Check(whole.frames == pieces.frames, "pieces give other frames than the whole");
    fuzz::Check((whole.last == LinkDecodeStatus::Error) == (pieces.last == LinkDecodeStatus::Error),
                "pieces end otherwise than the whole");
    fuzz::Check(whole.insideFrame == pieces.insideFrame, "pieces stop inside a frame where the whole does not");
    for (const LinkFrame& frame : whole.frames) {
        fuzz::Check(frame.senderName.size() <= kMaxLinkPayload && frame.data.size() <= kMaxLinkPayload,
                    "a frame beyond the limit was taken");
    }
    return 0;
}
