#include "view/ColumnLayoutRules.h"

#include "store/KeyColumns.h"

namespace zofar {
namespace {

std::array<int, kFieldCount> IdentityOrder() {
    std::array<int, kFieldCount> order{};
    for (int c = 0; c < kFieldCount; ++c) order[static_cast<size_t>(c)] = c;
    return order;
}

}  // namespace

int AverageCharWidth(int alphabetPixelWidth) { return alphabetPixelWidth / 26; }

int DefaultColumnWidth(int column, int averageCharWidth) { return FieldColumn(column).width * averageCharWidth; }

bool IsHiddenColumnWidth(int width) { return width != -1 && width < kHiddenColumnWidth; }

std::string ColumnHeading(int column) {
    const ColumnInfo& info = FieldColumn(column);
    std::string heading(info.name);
    if (!IsKeyColumn(info.name)) {
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

}  // namespace zofar
