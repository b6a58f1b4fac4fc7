#include "output/OutputCell.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/TextEncoding.h"
#include "base/TextRules.h"
#include "store/ColumnTable.h"

namespace zofar {

std::string OutputCell(int column, const FieldValue& value) {
    if (column < 0 || column >= kAllFieldCount || column == kUniqueIdField) return {};
    switch (FieldColumn(column).type) {
    case FieldType::Double:
        if (const auto* d = std::get_if<double>(&value)) return FormatOneDecimal(*d, 7);
        return {};
    case FieldType::Text: return TextOf(value);
    // The list fields hold no integers; the extra ones (distance, bearing) print as numbers.
    case FieldType::Long:
        if (const auto* i = std::get_if<int64_t>(&value); i && column >= kFieldCount) return std::to_string(*i);
        return {};
    }
    return {};
}

std::string PaddedOutputCell(int column, const FieldValue& value) {
    std::string cell = OutputCell(column, value);
    if (column < 0 || column >= kAllFieldCount || column == kUniqueIdField) return cell;
    const auto size = static_cast<std::size_t>(FieldColumn(column).size);
    const std::size_t length = Utf8Length(cell);
    if (length < size) cell.append(size - length, ' ');
    return cell;
}

}  // namespace zofar
