#include "chart/ComingUp.h"

#include <algorithm>
#include <tuple>

#include "schedule/OnAirTest.h"

namespace zofar {

std::vector<ComingUpEntry> ComingUp(std::span<const ChartRecord> records, const UtcTime& now, int minutes) {
    constexpr int kDay = 1440;
    minutes = std::clamp(minutes, 0, kDay);
    const int nowMinute = now.hour * 60 + now.minute;
    const int tomorrow = now.weekday % 7 + 1;
    std::vector<ComingUpEntry> entries;
    for (size_t i = 0; i < records.size(); ++i) {
        const ChartRecord& r = records[i];
        const int left = ((r.startMinute - nowMinute) % kDay + kDay) % kDay;
        if (left == 0 || left > minutes) continue;
        const int startDay = r.startMinute > nowMinute ? now.weekday : tomorrow;
        if (!RunsOnWeekday(FieldValue(r.days), startDay)) continue;
        entries.push_back({i, left});
    }
    std::sort(entries.begin(), entries.end(), [&records](const ComingUpEntry& a, const ComingUpEntry& b) {
        const ChartRecord& ra = records[a.record];
        const ChartRecord& rb = records[b.record];
        return std::tie(a.minutesLeft, ra.freqKhz, ra.id) < std::tie(b.minutesLeft, rb.freqKhz, rb.id);
    });
    return entries;
}

}  // namespace zofar
