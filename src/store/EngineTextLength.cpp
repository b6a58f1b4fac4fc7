#include "store/EngineTextLength.h"

#include <cstdint>

namespace zofar {

std::size_t EngineTextLength(std::string_view text) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<uint8_t>(text[i++]);
        if (c == 0) break;
        ++count;
        if (c >= 0xC0) {
            while (i < text.size() && (static_cast<uint8_t>(text[i]) & 0xC0) == 0x80) ++i;
        }
    }
    return count;
}

}  // namespace zofar
