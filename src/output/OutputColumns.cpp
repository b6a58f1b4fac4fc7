#include "output/OutputColumns.h"

#include <cstddef>

#include "view/ColumnLayoutRules.h"

namespace zofar {

ColumnFlags DefaultColumnFlags() {
    ColumnFlags flags{};
    for (int f = 0; f < kFieldCount; ++f) flags[static_cast<std::size_t>(f)] = true;
    return flags;
}

std::array<int, kAllFieldCount> DisplayPositions(const ColumnLayout& layout, ColumnSet columns) {
    std::array<int, kAllFieldCount> positions{};
    positions.fill(-1);
    const std::vector<int> shown = FieldsInDisplayOrder(layout, ListFields(columns));
    for (std::size_t p = 0; p < shown.size(); ++p) positions[static_cast<std::size_t>(shown[p])] = static_cast<int>(p);
    return positions;
}

std::vector<int> OutputColumnsByPosition(const ColumnLayout& layout, const ColumnFlags& flags, ColumnSet columns) {
    std::vector<int> byPosition = FieldsInDisplayOrder(layout, ListFields(columns));
    for (int& f : byPosition) {
        const auto i = static_cast<std::size_t>(f);
        if (IsHiddenColumnWidth(layout.widths[i]) || !flags[i]) f = -1;
    }
    return byPosition;
}

}  // namespace zofar
