#pragma once

#include <optional>
#include <vector>

#include "base/Clock.h"
#include "chart/ChartRecord.h"

namespace zofar {

class RecordStore;

/// The chart records of the store's current selection, in browse order, with the on-air flag
/// for `now`. Reads without moving the list's cursor; rows that have no place on the chart
/// are left out. Nothing after an engine error (the store has reported it).
std::optional<std::vector<ChartRecord>> ReadChartRecords(const RecordStore& store, const UtcTime& now);

}  // namespace zofar
