#pragma once

#include <array>
#include <cstddef>

#include "store/ColumnTable.h"

namespace zofar {

/// Display rank and pixel width of every list field (index = browse-set field index), the 24
/// fields and the extra ones alike, so a layout means the same in every database: the list
/// shows the fields the open database has in the order of their ranks. The slot of UNIQUEID
/// (field 24) is never shown and keeps its table rank. A width of -1 means the default width.
struct ColumnLayout {
    std::array<int, kAllFieldCount> order{};
    std::array<int, kAllFieldCount> widths{};

    ColumnLayout() {
        for (int i = 0; i < kAllFieldCount; ++i) {
            order[static_cast<std::size_t>(i)] = i;
            widths[static_cast<std::size_t>(i)] = -1;
        }
    }
    bool operator==(const ColumnLayout&) const = default;
};

}  // namespace zofar
