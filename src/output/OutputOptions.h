#pragma once

#include <array>

#include "store/ColumnTable.h"

namespace zofar {

/// Record scope of the clipboard and print commands.
enum RecordScope : int { kScopeSelected = 1, kScopeScreen = 2, kScopeAll = 3 };

/// Clipboard and print options (settings section "Output"). Margins in mm, font in points.
struct OutputOptions {
    int clipbRecordSel = kScopeSelected;
    int clipbUseTabs = 0;
    std::array<bool, kFieldCount> clipbColumns{};
    int printRecordSel = kScopeSelected;
    std::array<bool, kFieldCount> printColumns{};
    int printBorderTop = 15;
    int printBorderBottom = 15;
    int printBorderLeft = 20;
    int printBorderRight = 15;
    int printFontHeight = 8;

    OutputOptions() {
        clipbColumns.fill(true);
        printColumns.fill(true);
    }
    bool operator==(const OutputOptions&) const = default;
};

}  // namespace zofar
