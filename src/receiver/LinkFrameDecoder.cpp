#include "receiver/LinkFrameDecoder.h"

#include <algorithm>

#include "receiver/LittleEndian.h"

namespace zofar {

std::size_t LinkFrameDecoder::TakeWord(std::span<const uint8_t> bytes) {
    const std::size_t n = std::min(bytes.size(), word_.size() - wordFill_);
    std::copy_n(bytes.begin(), n, word_.begin() + static_cast<std::ptrdiff_t>(wordFill_));
    wordFill_ += n;
    return n;
}

void LinkFrameDecoder::StartNextFrame() {
    stage_ = Stage::DwData;
    wordFill_ = 0;
    expected_ = 0;
    frame_ = LinkFrame{};
}

bool LinkFrameDecoder::InsideFrame() const {
    return stage_ != Stage::Failed && (stage_ != Stage::DwData || wordFill_ > 0);
}

LinkDecodeResult LinkFrameDecoder::Feed(std::span<const uint8_t> bytes) {
    LinkDecodeResult result;
    std::size_t pos = 0;
    const auto rest = [&] { return bytes.subspan(pos); };
    for (;;) {
        switch (stage_) {
        case Stage::Failed:
            result.status = LinkDecodeStatus::Error;
            result.consumed = pos;
            return result;
        case Stage::DwData:
        case Stage::NameLength:
        case Stage::DataLength: {
            pos += TakeWord(rest());
            if (wordFill_ < word_.size()) {
                result.consumed = pos;
                return result;
            }
            const uint32_t value = GetU32LittleEndian(word_.data());
            wordFill_ = 0;
            if (stage_ == Stage::DwData) {
                frame_.dwData = value;
                stage_ = Stage::NameLength;
                break;
            }
            if (value > kMaxLinkPayload) {
                stage_ = Stage::Failed;
                break;
            }
            expected_ = value;
            if (stage_ == Stage::NameLength) {
                frame_.senderName.reserve(value);
                stage_ = Stage::Name;
            } else {
                frame_.data.reserve(value);
                stage_ = Stage::Data;
            }
            break;
        }
        case Stage::Name: {
            const std::size_t n = std::min<std::size_t>(rest().size(), expected_ - frame_.senderName.size());
            frame_.senderName.append(reinterpret_cast<const char*>(bytes.data() + pos), n);
            pos += n;
            if (frame_.senderName.size() < expected_) {
                result.consumed = pos;
                return result;
            }
            stage_ = Stage::DataLength;
            break;
        }
        case Stage::Data: {
            const std::size_t n = std::min<std::size_t>(rest().size(), expected_ - frame_.data.size());
            frame_.data.insert(frame_.data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(pos),
                               bytes.begin() + static_cast<std::ptrdiff_t>(pos + n));
            pos += n;
            if (frame_.data.size() < expected_) {
                result.consumed = pos;
                return result;
            }
            result.status = LinkDecodeStatus::Complete;
            result.consumed = pos;
            result.frame = std::move(frame_);
            StartNextFrame();
            return result;
        }
        }
    }
}

}  // namespace zofar
