#pragma once

#include <array>

#include "output/OutputColumns.h"

namespace zofar {

/// Record scope of the clipboard and print commands.
enum RecordScope : int { kScopeSelected = 1, kScopeScreen = 2, kScopeAll = 3 };

/// Clipboard and print options (settings section "Output"). Margins in mm, font in points.
struct OutputOptions {
    int clipbRecordSel = kScopeSelected;
    int clipbUseTabs = 0;
    ColumnFlags clipbColumns = DefaultColumnFlags();
    int printRecordSel = kScopeSelected;
    ColumnFlags printColumns = DefaultColumnFlags();
    int printBorderTop = 15;
    int printBorderBottom = 15;
    int printBorderLeft = 20;
    int printBorderRight = 15;
    int printFontHeight = 8;

    bool operator==(const OutputOptions&) const = default;
};

}  // namespace zofar
