#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/FieldValue.h"

namespace zofar {

/// The rows an export writes: the column names in output order and, per row, one value per
/// column. Texts are UTF-8; FREQ is a double in kHz.
struct ExportTable {
    std::vector<std::string> columns;
    std::vector<std::vector<FieldValue>> rows;

    /// The index of the column named `name` (compared exactly), or nothing.
    std::optional<std::size_t> ColumnOf(std::string_view name) const {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i] == name) return i;
        }
        return std::nullopt;
    }
};

}  // namespace zofar
