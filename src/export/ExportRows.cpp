#include "export/ExportRows.h"

#include <algorithm>
#include <cstddef>

#include "export/Bookmark.h"
#include "store/ColumnTable.h"
#include "store/RecordStore.h"

namespace zofar {

std::vector<int> CheckedColumns(const ColumnChoice& choice, const std::vector<bool>& checks) {
    std::vector<int> columns;
    for (std::size_t i = 0; i < choice.offered.size() && i < checks.size(); ++i) {
        const int position = choice.offered[i];
        if (position < 0 || position >= kFieldCount || !checks[i]) continue;
        const int column = choice.positions[static_cast<std::size_t>(position)].column;
        if (column >= 0 && column < kFieldCount) columns.push_back(column);
    }
    return columns;
}

std::vector<int> BookmarkColumnNumbers() {
    std::vector<int> columns;
    // Column numbers count UNIQUEID first; list columns do not.
    for (std::string_view name : kBookmarkColumns) columns.push_back(*ColumnNumber(name) - 1);
    return columns;
}

std::optional<ExportTable> ReadExportRows(const RecordStore& store, const RecordRange& range,
                                          std::span<const int> columns) {
    ExportTable table;
    for (int column : columns) table.columns.emplace_back(FieldColumn(column).name);
    const int first = std::max(range.first, 0);
    const int last = std::min(range.last, store.RecordCount() - 1);
    for (int r = first; r <= last; ++r) {
        const RowValues* row = store.RowAt(r);
        if (!row) return std::nullopt;
        std::vector<FieldValue> values;
        values.reserve(columns.size());
        for (int column : columns) {
            const auto field = static_cast<std::size_t>(column);
            values.push_back(field < row->size() ? (*row)[field] : FieldValue{});
        }
        table.rows.push_back(std::move(values));
    }
    return table;
}

}  // namespace zofar
