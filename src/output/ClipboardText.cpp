#include "output/ClipboardText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "output/OutputCell.h"
#include "store/RecordStore.h"

namespace zofar {
namespace {

std::string LineOf(const RowValues& row, const std::vector<int>& byPosition, char separator) {
    std::string line;
    bool first = true;
    for (int column : byPosition) {
        if (column < 0) continue;
        const auto field = static_cast<std::size_t>(column);
        const std::string cell = PaddedOutputCell(column, field < row.size() ? row[field] : FieldValue{});
        if (cell.empty()) continue;
        if (!first) line += separator;
        line += cell;
        first = false;
    }
    return line;
}

}  // namespace

std::string BuildClipboardLine(const RowValues& row, const ColumnLayout& layout, const ColumnFlags& flags, bool tabs,
                               ColumnSet columns) {
    return LineOf(row, OutputColumnsByPosition(layout, flags, columns), tabs ? '\t' : ' ');
}

ClipboardExport ExportClipboardText(const RecordStore& store, int first, int last, const ColumnLayout& layout,
                                    const ColumnFlags& flags, bool tabs) {
    ClipboardExport result;
    first = std::max(first, 0);
    last = std::min(last, store.RecordCount() - 1);
    const auto byPosition = OutputColumnsByPosition(layout, flags, store.Columns());
    const char separator = tabs ? '\t' : ' ';
    for (int r = first; r <= last; ++r) {
        const std::optional<RowValues> row = store.ReadRow(r);
        if (!row) return {ClipboardExport::Status::ReadFailed, {}, 0};
        const std::string line = LineOf(*row, byPosition, separator);
        if (line.empty()) return {ClipboardExport::Status::NoColumnSelected, {}, 0};
        if (result.lineCount > 0) result.text += '\n';
        result.text += line;
        ++result.lineCount;
    }
    return result;
}

}  // namespace zofar
