#include "export/Bookmark.h"

#include <cmath>
#include <optional>

#include "base/TextRules.h"
#include "export/ExportText.h"

namespace zofar {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const FieldValue& ValueOf(const ExportTable& table, const std::vector<FieldValue>& row, std::string_view column) {
    static const FieldValue null;
    const std::optional<std::size_t> index = table.ColumnOf(column);
    return index && *index < row.size() ? row[*index] : null;
}

// Hz above 9.2e18 would overflow the count; a frequency that large is damage, not a station.
constexpr double kHighestHz = 9.0e18;

}  // namespace

BookmarkMode ModeOfModu(std::string_view modu) {
    const std::string_view m = Trimmed(modu);
    const char c = m.size() == 1 ? m[0] : '\0';
    switch (c) {
    case 'U':
    case 'u': return {"USB", 4, 2800};
    case 'L':
    case 'l': return {"LSB", 6, 2800};
    case 'C':
    case 'c': return {"CW-U", 5, 500};
    default: return {"AM", 2, 10000};
    }
}

std::string BookmarkName(std::string_view station, std::string_view start, std::string_view language,
                         std::string_view freqText) {
    std::string time;
    for (char c : Trimmed(start)) {
        if (c != ':') time += c;
    }
    std::string name;
    for (std::string_view part : {Trimmed(station), std::string_view(time), Trimmed(language)}) {
        if (part.empty()) continue;
        if (!name.empty()) name += ' ';
        name += part;
    }
    if (name.empty()) name = Trimmed(freqText);
    return WellFormedUtf8(name);
}

std::vector<Bookmark> BookmarksOf(const ExportTable& table) {
    std::vector<Bookmark> bookmarks;
    for (const auto& row : table.rows) {
        const auto* khz = std::get_if<double>(&ValueOf(table, row, "FREQ"));
        if (!khz || !std::isfinite(*khz)) continue;
        const double hz = std::round(*khz * 1000.0);
        if (hz <= 0.0 || hz > kHighestHz) continue;
        Bookmark b;
        b.hz = static_cast<int64_t>(hz);
        b.language = WellFormedUtf8(std::string(Trimmed(TextOf(ValueOf(table, row, "LANGUAGE")))));
        b.name = BookmarkName(TextOf(ValueOf(table, row, "STATION")), TextOf(ValueOf(table, row, "START")), b.language,
                              FormatOneDecimal(*khz));
        b.mode = ModeOfModu(TextOf(ValueOf(table, row, "MODU")));
        bookmarks.push_back(std::move(b));
    }
    return bookmarks;
}

}  // namespace zofar
