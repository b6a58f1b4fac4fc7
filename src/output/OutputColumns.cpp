#include "output/OutputColumns.h"

#include <cstddef>

#include "view/ColumnLayoutRules.h"

namespace zofar {

std::array<int, kFieldCount> DisplayPositions(const ColumnLayout& layout) {
    if (IsColumnPermutation(layout.order)) return layout.order;
    std::array<int, kFieldCount> identity{};
    for (int c = 0; c < kFieldCount; ++c) identity[static_cast<std::size_t>(c)] = c;
    return identity;
}

std::array<int, kFieldCount> OutputColumnsByPosition(const ColumnLayout& layout, const ColumnFlags& flags) {
    std::array<int, kFieldCount> byPosition{};
    byPosition.fill(-1);
    const auto positions = DisplayPositions(layout);
    for (int c = 0; c < kFieldCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (!IsHiddenColumnWidth(layout.widths[i]) && flags[i]) {
            byPosition[static_cast<std::size_t>(positions[i])] = c;
        }
    }
    return byPosition;
}

}  // namespace zofar
