#include "document/StatusTexts.h"

#include <cstdio>

#include "base/TextEncoding.h"
#include "selection/FilterDescription.h"

namespace zofar {

std::string RecordsPaneText(int count) { return "Records:  " + std::to_string(count); }

std::string PredefinedFilterSaveFailedText(std::string_view path) {
    return "The predefined filters could not be saved to " + std::string(path) + ".";
}

std::string SortPaneText(std::string_view sortKey) { return "Sort:  " + std::string(sortKey); }

std::string FilterPaneText(std::string_view description) {
    if (description == kNoFilterDescription) return std::string(description);
    return "Filter:  " + std::string(description);
}

std::string FilterPaneTip(std::string_view paneText, std::string_view condition) {
    std::string tip(paneText);
    if (!condition.empty()) {
        tip += '\n';
        tip += condition;
    }
    return tip;
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

std::string ElideToWidth(std::string_view text, int width, const std::function<int(std::string_view)>& measure) {
    if (measure(text) <= width) return std::string(text);
    const auto cut = [text](size_t chars) { return std::string(Utf8Prefix(text, chars)) + std::string(kElisionMark); };
    // The widths of the starts grow with their length, so the longest start that fits is found
    // by halving.
    size_t fits = 0;
    size_t tooLong = Utf8Length(text);
    while (tooLong - fits > 1) {
        const size_t middle = fits + (tooLong - fits) / 2;
        if (measure(cut(middle)) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return cut(fits);
}


}  // namespace zofar
