#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "receiver/LinkFrame.h"

namespace zofar {

enum class LinkDecodeStatus {
    NeedMore,  ///< every byte given was taken; the frame is not complete yet
    Complete,  ///< a frame is complete; bytes after it were not taken
    Error,     ///< a length above kMaxLinkPayload; the decoder takes nothing more
};

struct LinkDecodeResult {
    LinkDecodeStatus status = LinkDecodeStatus::NeedMore;
    /// How many of the given bytes were taken.
    std::size_t consumed = 0;
    /// The frame, when status is Complete.
    LinkFrame frame;
};

/// Reads frames from bytes as they arrive, in pieces of any size. It keeps only the frame being
/// read, and reserves room for a name or data only after its length has passed the limit.
class LinkFrameDecoder {
public:
    /// Takes bytes up to the end of the current frame. After Complete the decoder starts on the
    /// next frame; after Error it stays in error.
    LinkDecodeResult Feed(std::span<const uint8_t> bytes);

    /// True while some bytes of a frame have arrived but not all of them.
    bool InsideFrame() const;

private:
    enum class Stage { DwData, NameLength, Name, DataLength, Data, Failed };

    std::size_t TakeWord(std::span<const uint8_t> bytes);
    void StartNextFrame();

    Stage stage_ = Stage::DwData;
    std::array<uint8_t, 4> word_{};
    std::size_t wordFill_ = 0;
    uint32_t expected_ = 0;
    LinkFrame frame_;
};

}  // namespace zofar
