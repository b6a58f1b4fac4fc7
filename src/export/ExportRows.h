#pragma once

#include <optional>
#include <span>
#include <vector>

#include "export/ExportTable.h"
#include "output/ColumnChoice.h"
#include "output/RecordRange.h"

namespace zofar {

class RecordStore;

/// The list columns of the checked lines of `choice` (`checks[i]` for line i), in line order.
std::vector<int> CheckedColumns(const ColumnChoice& choice, const std::vector<bool>& checks);

/// The list columns a bookmark export reads, in table order.
std::vector<int> BookmarkColumnNumbers();

/// The values of the browse set's rows in `range` (cut to the set) for the list columns
/// `columns` (0..23, in output order, named by their field names), read without moving the
/// list's cursor. Nothing when a row cannot be read; the store has reported it.
std::optional<ExportTable> ReadExportRows(const RecordStore& store, const RecordRange& range,
                                          std::span<const int> columns);

}  // namespace zofar
