#include "view/ColumnLayoutRules.h"

#include <charconv>
#include <optional>
#include <vector>

namespace zofar {
namespace {

constexpr int kMinStoredWidth = 4;
constexpr int kMaxStoredWidth = 1000;

// Like sscanf("%d"): leading white space and a sign, at least one digit, the rest ignored.
// A number beyond int does not read.
std::optional<int> ScanInt(std::string_view piece) {
    size_t i = 0;
    while (i < piece.size() && (piece[i] == ' ' || (piece[i] >= '\t' && piece[i] <= '\r'))) ++i;
    piece.remove_prefix(i);
    if (!piece.empty() && piece.front() == '+') {
        piece.remove_prefix(1);
        if (!piece.empty() && piece.front() == '-') return std::nullopt;
    }
    int value = 0;
    const auto result = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    if (result.ec != std::errc{}) return std::nullopt;
    return value;
}

// Splits at commas and drops empty pieces, as strtok does.
std::vector<std::string_view> SplitList(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find(',', begin);
        if (end == std::string_view::npos) end = text.size();
        if (end > begin) pieces.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return pieces;
}

std::array<int, kFieldCount> IdentityOrder() {
    std::array<int, kFieldCount> order{};
    for (int c = 0; c < kFieldCount; ++c) order[static_cast<size_t>(c)] = c;
    return order;
}

}  // namespace

int AverageCharWidth(int alphabetPixelWidth) { return alphabetPixelWidth / 26; }

int DefaultColumnWidth(int column, int averageCharWidth) {
    return FieldColumn(column).width * averageCharWidth;
}

bool IsHiddenColumnWidth(int width) { return width != -1 && width < kHiddenColumnWidth; }

std::string ColumnHeading(int column) {
    const ColumnInfo& info = FieldColumn(column);
    std::string heading(info.name);
    if (!info.capitals) {
        for (char& ch : heading) {
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return heading;
}

bool IsColumnPermutation(const std::array<int, kFieldCount>& order) {
    std::array<bool, kFieldCount> seen{};
    for (int p : order) {
        if (p < 0 || p >= kFieldCount || seen[static_cast<size_t>(p)]) return false;
        seen[static_cast<size_t>(p)] = true;
    }
    return true;
}

ColumnGeometry ApplyColumnLayout(const ColumnLayout& stored, int averageCharWidth) {
    ColumnGeometry g;
    g.position = IsColumnPermutation(stored.order) ? stored.order : IdentityOrder();
    for (int c = 0; c < kFieldCount; ++c) {
        const int w = stored.widths[static_cast<size_t>(c)];
        g.width[static_cast<size_t>(c)] = w >= 0 ? w : DefaultColumnWidth(c, averageCharWidth);
    }
    return g;
}

ColumnLayout CaptureColumnLayout(const ColumnGeometry& shown) {
    ColumnLayout layout;
    layout.order = shown.position;
    layout.widths = shown.width;
    return layout;
}

std::array<int, kFieldCount> ParseColumnOrder(std::string_view text) {
    std::array<int, kFieldCount> order{};
    size_t count = 0;
    for (std::string_view piece : SplitList(text)) {
        if (count == order.size()) break;
        const auto value = ScanInt(piece);
        if (!value) break;
        order[count++] = *value;
    }
    if (count < order.size() || !IsColumnPermutation(order)) return IdentityOrder();
    return order;
}

std::array<int, kFieldCount> ParseColumnWidths(std::string_view text) {
    std::array<int, kFieldCount> widths{};
    widths.fill(-1);
    size_t count = 0;
    for (std::string_view piece : SplitList(text)) {
        if (count == widths.size()) break;
        const auto value = ScanInt(piece);
        if (!value) break;
        widths[count++] = *value;
    }
    for (int& w : widths) {
        if (w != -1 && (w < kMinStoredWidth || w > kMaxStoredWidth)) w = kMinStoredWidth;
    }
    return widths;
}

ColumnLayout ParseColumnLayout(std::string_view orderText, std::string_view widthsText) {
    ColumnLayout layout;
    layout.order = ParseColumnOrder(orderText);
    layout.widths = ParseColumnWidths(widthsText);
    return layout;
}

std::string FormatColumnList(const std::array<int, kFieldCount>& values) {
    std::string text;
    for (size_t c = 0; c < values.size(); ++c) {
        if (c > 0) text += ',';
        text += std::to_string(values[c]);
    }
    return text;
}

}  // namespace zofar
