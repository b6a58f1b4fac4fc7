#include "chart/ChartRecordReader.h"

#include "store/RecordStore.h"
#include "schedule/OnAirTest.h"

namespace zofar {

std::optional<std::vector<ChartRecord>> ReadChartRecords(const RecordStore& store, const UtcTime& now) {
    const OnAirTest onAir = OnAirTest::At(now);
    std::vector<ChartRecord> records;
    const int count = store.HasBrowseSet() ? store.RecordCount() : 0;
    records.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        const RowValues* values = store.RowAt(row);
        if (values == nullptr) return std::nullopt;
        if (auto record = ChartRecordFromRow(*values, onAir, store.Columns().extension)) records.push_back(std::move(*record));
    }
    return records;
}

std::optional<std::vector<ChartRecord>> ReadChartRecords(const RecordStore& store, const std::string& condition,
                                                         const std::string& sortText, const UtcTime& now) {
    const OnAirTest onAir = OnAirTest::At(now);
    const bool dated = store.Columns().extension;
    std::vector<ChartRecord> records;
    const bool read = store.ReadSelection(condition, sortText, [&](const RowValues& row) {
        if (auto record = ChartRecordFromRow(row, onAir, dated)) records.push_back(std::move(*record));
        return true;
    });
    if (!read) return std::nullopt;
    return records;
}

}  // namespace zofar
