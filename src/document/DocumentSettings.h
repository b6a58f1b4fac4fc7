#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "output/OutputOptions.h"
#include "selection/FilterCriteria.h"
#include "view/ColumnLayout.h"

namespace zofar {

/// Everything of the settings sections "Settings" and "Output": the document's persistent state.
struct DocumentSettings {
    std::string applicationName = "VESTRIX";
    std::string database;
    std::string sort;
    bool sortDescending = false;
    uint32_t bFilter = 1;
    FilterCriteria criteria;
    ColumnLayout layout;
    /// The layouts of databases whose source leaves columns empty, by database name; every other
    /// database shows `layout`.
    std::map<std::string, ColumnLayout> databaseLayouts;
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
