#include "receiver/LinkFrame.h"

#include <algorithm>

#include "receiver/LittleEndian.h"

namespace zofar {

std::vector<uint8_t> EncodeLinkFrame(const LinkFrame& frame) {
    std::vector<uint8_t> out(12 + frame.senderName.size() + frame.data.size());
    uint8_t* p = out.data();
    PutU32LittleEndian(p, frame.dwData);
    PutU32LittleEndian(p + 4, static_cast<uint32_t>(frame.senderName.size()));
    p += 8;
    p = std::copy(frame.senderName.begin(), frame.senderName.end(), p);
    PutU32LittleEndian(p, static_cast<uint32_t>(frame.data.size()));
    p += 4;
    std::copy(frame.data.begin(), frame.data.end(), p);
    return out;
}

}  // namespace zofar
