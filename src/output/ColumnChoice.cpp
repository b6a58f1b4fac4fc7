#include "output/ColumnChoice.h"

#include <cstddef>

#include "view/ColumnLayoutRules.h"

namespace zofar {

ColumnChoice BuildColumnChoice(const ColumnLayout& layout, const ColumnFlags& flags, ColumnSet columns) {
    ColumnChoice choice;
    const std::vector<int> shown = FieldsInDisplayOrder(layout, ListFields(columns));
    choice.positions.resize(shown.size());
    for (std::size_t p = 0; p < shown.size(); ++p) {
        const auto i = static_cast<std::size_t>(shown[p]);
        if (IsHiddenColumnWidth(layout.widths[i])) continue;
        auto& at = choice.positions[p];
        at.column = shown[p];
        at.name = std::string(FieldColumn(shown[p]).name);
        at.checked = flags[i];
        choice.offered.push_back(static_cast<int>(p));
    }
    return choice;
}

void StoreColumnChoice(const ColumnChoice& choice, const std::vector<bool>& checks, ColumnFlags& flags) {
    auto positions = choice.positions;
    for (std::size_t line = 0; line < checks.size() && line < choice.offered.size(); ++line) {
        const int p = choice.offered[line];
        if (p >= 0 && static_cast<std::size_t>(p) < positions.size())
            positions[static_cast<std::size_t>(p)].checked = checks[line];
    }
    for (const auto& at : positions) {
        if (at.column >= 0) flags[static_cast<std::size_t>(at.column)] = at.checked;
    }
}

}  // namespace zofar
