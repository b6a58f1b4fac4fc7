#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "selection/FilterCriteria.h"
#include "store/ColumnTable.h"

namespace zofar {

/// Display position and pixel width of the 24 list columns (index = browse-set field index).
/// A width of -1 means the column's default width.
struct ColumnLayout {
    std::array<int, kFieldCount> order{};
    std::array<int, kFieldCount> widths{};

    ColumnLayout() {
        for (int i = 0; i < kFieldCount; ++i) {
            order[static_cast<size_t>(i)] = i;
            widths[static_cast<size_t>(i)] = -1;
        }
    }
    bool operator==(const ColumnLayout&) const = default;
};

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

/// Everything of the settings sections "Settings" and "Output": the document's persistent state.
struct DocumentSettings {
    std::string applicationName = "VESTRIX";
    std::string database;
    std::string sort;
    uint32_t bFilter = 1;
    FilterCriteria criteria;
    ColumnLayout layout;
    int previewPages = 0;
    OutputOptions output;

    bool operator==(const DocumentSettings&) const = default;
};

/// The main window's placement in the platform's placement-record form.
struct WindowPlacement {
    unsigned flags = 0;
    unsigned showCmd = 0;
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

/// Show states stored in WindowPlacement::showCmd.
enum ShowCommand : unsigned { kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3 };

}  // namespace zofar
