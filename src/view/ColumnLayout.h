#pragma once

#include <array>
#include <cstddef>

#include "store/ColumnTable.h"

namespace zofar {

/// Display position and pixel width of the 24 list columns (index = browse-set field index).
/// A width of -1 means the column's default width.
struct ColumnLayout {
    std::array<int, kFieldCount> order{};
    std::array<int, kFieldCount> widths{};

    ColumnLayout() {
        for (int i = 0; i < kFieldCount; ++i) {
            order[static_cast<std::size_t>(i)] = i;
            widths[static_cast<std::size_t>(i)] = -1;
        }
    }
    bool operator==(const ColumnLayout&) const = default;
};

}  // namespace zofar
