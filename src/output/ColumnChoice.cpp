#include "output/ColumnChoice.h"

#include <cstddef>

#include "view/ColumnLayoutRules.h"

namespace zofar {

ColumnChoice BuildColumnChoice(const ColumnLayout& layout, const ColumnFlags& flags) {
    ColumnChoice choice;
    const auto positions = DisplayPositions(layout);
    for (int c = 0; c < kFieldCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (IsHiddenColumnWidth(layout.widths[i])) continue;
        auto& at = choice.positions[static_cast<std::size_t>(positions[i])];
        at.column = c;
        at.name = std::string(FieldColumn(c).name);
        at.checked = flags[i];
    }
    for (int p = 0; p < kFieldCount; ++p) {
        if (choice.positions[static_cast<std::size_t>(p)].column >= 0) choice.offered.push_back(p);
    }
    return choice;
}

void StoreColumnChoice(const ColumnChoice& choice, const std::vector<bool>& checks, ColumnFlags& flags) {
    auto positions = choice.positions;
    for (std::size_t line = 0; line < checks.size() && line < choice.offered.size(); ++line) {
        const int p = choice.offered[line];
        if (p >= 0 && p < kFieldCount) positions[static_cast<std::size_t>(p)].checked = checks[line];
    }
    for (const auto& at : positions) {
        if (at.column >= 0) flags[static_cast<std::size_t>(at.column)] = at.checked;
    }
}

}  // namespace zofar
