#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "chart/ChartRecord.h"

namespace zofar {

class RecordStore;

/// The chart records of the store's current selection, in browse order, with the on-air flag
/// for `now`. Reads without moving the list's cursor; rows that have no place on the chart
/// are left out. Nothing after an engine error (the store has reported it).
std::optional<std::vector<ChartRecord>> ReadChartRecords(const RecordStore& store, const UtcTime& now);

/// The chart records of the rows meeting `condition` in `sortText` order, read by a side query
/// of their own, so neither the list's cursor nor its cache of rows is touched.
std::optional<std::vector<ChartRecord>> ReadChartRecords(const RecordStore& store, const std::string& condition,
                                                         const std::string& sortText, const UtcTime& now);

}  // namespace zofar
