#include "app/StatusTexts.h"

#include <cstdio>

#include "base/TextEncoding.h"

namespace zofar {

std::string RecordsPaneText(int count) { return "Records:  " + std::to_string(count); }

std::string SortPaneText(std::string_view sortKey) { return "Sort:  " + std::string(sortKey); }

std::string FilterPaneText(bool filterOn, std::string_view condition) {
    return filterOn ? "Filter:  " + std::string(condition) : std::string("Filter:  disabled");
}

std::string ClockPaneText(const UtcTime& time) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " %02d:%02d:%02d  UTC", time.hour, time.minute, time.second);
    return buffer;
}

std::string MainTitleText(std::string_view databaseName) {
    std::string title = " ZOFAR Program Database";
    if (!databaseName.empty()) {
        title += "  \"";
        title += databaseName;
        title += '"';
    }
    return std::string(Utf8Prefix(title, kMaxTitleLength));
}

}  // namespace zofar
