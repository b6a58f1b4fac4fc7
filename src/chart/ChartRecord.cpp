#include "chart/ChartRecord.h"

#include <array>
#include <cctype>

#include "store/ColumnTable.h"
#include "schedule/OnAirTest.h"

namespace zofar {
namespace {

constexpr std::array<std::string_view, 9> kContinents{"NA", "CA", "SA", "EU", "AF", "ME", "AS", "AU", "PA"};

// Browse-set field indexes: column number minus one.
constexpr size_t kFreq = 0, kStation = 1, kStart = 10, kEnd = 11, kDays = 12, kLanguage = 13, kTarget = 14,
                 kTargetArea = 15;

std::string_view KnownContinent(std::string_view code) {
    for (const std::string_view c : kContinents) {
        if (c == code) return c;
    }
    return {};
}

}  // namespace

std::optional<ChartRecord> ChartRecordFromRow(const RowValues& row, const OnAirTest& onAir, bool dated) {
    if (row.size() <= static_cast<size_t>(kUniqueIdField)) return std::nullopt;
    const auto* freq = std::get_if<double>(&row[kFreq]);
    const auto* id = std::get_if<int64_t>(&row[kUniqueIdField]);
    if (freq == nullptr || id == nullptr) return std::nullopt;
    const auto start = ReadTimeOfDay(row[kStart]);
    const auto end = ReadTimeOfDay(row[kEnd]);
    if (!start || !end || *start < 0 || *start > 1440 || *end < 0 || *end > 1440) return std::nullopt;

    ChartRecord r;
    r.id = static_cast<int>(*id);
    r.freqKhz = *freq;
    r.startMinute = *start == 1440 ? 0 : *start;
    r.endMinute = *end;
    r.station = TextOf(row[kStation]);
    r.language = TextOf(row[kLanguage]);
    r.target = TextOf(row[kTarget]);
    r.targetArea = TextOf(row[kTargetArea]);
    r.days = TextOf(row[kDays]);
    r.onAirNow = onAir.IsRowOnAir(row, dated);
    return r;
}

std::string_view TargetContinent(const ChartRecord& record) {
    if (record.targetArea.size() >= 2) {
        if (auto c = KnownContinent(std::string_view(record.targetArea).substr(0, 2)); !c.empty()) return c;
    }
    if (record.target.size() < 2) return {};
    const std::string code{static_cast<char>(std::toupper(static_cast<unsigned char>(record.target[0]))),
                           static_cast<char>(std::toupper(static_cast<unsigned char>(record.target[1])))};
    return KnownContinent(code);
}

}  // namespace zofar
