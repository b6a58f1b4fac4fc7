#include "app/StatusTexts.h"

#include <cstdio>

namespace zofar {

namespace {

// Cuts a UTF-8 text after `maxChars` characters without splitting a character.
std::string CutToCharacters(std::string text, size_t maxChars) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;
        if (chars == maxChars) {
            text.resize(i);
            break;
        }
        ++chars;
    }
    return text;
}

}  // namespace

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
    return CutToCharacters(std::move(title), kMaxTitleLength);
}

}  // namespace zofar
