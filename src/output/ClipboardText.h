#pragma once

#include <string>
#include <string_view>

#include "output/OutputColumns.h"
#include "store/RowCache.h"
#include "view/ColumnLayout.h"

namespace zofar {

class RecordStore;

/// The message the clipboard command shows when no column is output.
inline constexpr std::string_view kNoColumnSelectedMessage =
    "No column selected for output!\nPlease select at least one column.";

/// The outcome of a clipboard export.
struct ClipboardExport {
    enum class Status {
        Done,              ///< `text` holds the lines (none when the range was empty)
        NoColumnSelected,  ///< every column is hidden or left out; nothing to copy
        ReadFailed,        ///< the store could not read a row and has reported it; no text
    };
    Status status = Status::Done;
    std::string text;  ///< one line per record, joined by "\n", none after the last line
    int lineCount = 0;
};

/// One clipboard line of a row: the padded cells of the columns that are output, in display
/// order, one TAB (`tabs`) or one blank between them, none before the first or after the last.
/// Empty when no column is output.
std::string BuildClipboardLine(const RowValues& row, const ColumnLayout& layout, const ColumnFlags& flags, bool tabs,
                               ColumnSet columns = {});

/// The clipboard text of rows `first` to `last` of the browse set (cut to the set's rows).
/// Rows are read without moving the browse set's cursor, so the list is not disturbed. The
/// columns are those the list shows for the store's database.
ClipboardExport ExportClipboardText(const RecordStore& store, int first, int last, const ColumnLayout& layout,
                                    const ColumnFlags& flags, bool tabs);

}  // namespace zofar
