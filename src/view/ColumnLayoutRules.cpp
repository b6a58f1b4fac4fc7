#include "view/ColumnLayoutRules.h"

#include <algorithm>

#include "store/KeyColumns.h"

namespace zofar {

std::vector<int> ListFields(ColumnSet columns) {
    std::vector<int> fields;
    for (int f = 0; f < kAllFieldCount; ++f) {
        if (f != kUniqueIdField && columns.Has(f)) fields.push_back(f);
    }
    return fields;
}

int AverageCharWidth(int alphabetPixelWidth) { return alphabetPixelWidth / 26; }

int DefaultColumnWidth(int field, int averageCharWidth) { return FieldColumn(field).width * averageCharWidth; }

bool IsHiddenColumnWidth(int width) { return width != -1 && width < kHiddenColumnWidth; }

std::string ColumnHeading(int field) {
    const ColumnInfo& info = FieldColumn(field);
    std::string heading(info.name);
    if (field < kFieldCount && !IsKeyColumn(info.name)) {
        for (char& ch : heading) {
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return heading;
}

bool IsColumnPermutation(const std::array<int, kAllFieldCount>& order) {
    std::array<bool, kAllFieldCount> seen{};
    for (int p : order) {
        if (p < 0 || p >= kAllFieldCount || seen[static_cast<size_t>(p)]) return false;
        seen[static_cast<size_t>(p)] = true;
    }
    return true;
}

std::array<int, kAllFieldCount> UsableOrder(const ColumnLayout& layout) {
    if (IsColumnPermutation(layout.order)) return layout.order;
    return ColumnLayout().order;
}

std::vector<int> FieldsInDisplayOrder(const ColumnLayout& layout, std::vector<int> fields) {
    const auto order = UsableOrder(layout);
    std::sort(fields.begin(), fields.end(),
              [&order](int a, int b) { return order[static_cast<size_t>(a)] < order[static_cast<size_t>(b)]; });
    return fields;
}

ColumnGeometry ApplyColumnLayout(const ColumnLayout& stored, int averageCharWidth, ColumnSet columns) {
    ColumnGeometry g;
    g.averageCharWidth = averageCharWidth;
    g.fields = ListFields(columns);
    const std::vector<int> shown = FieldsInDisplayOrder(stored, g.fields);
    for (const int f : g.fields) {
        g.position.push_back(static_cast<int>(std::find(shown.begin(), shown.end(), f) - shown.begin()));
        const int w = stored.widths[static_cast<size_t>(f)];
        g.width.push_back(w >= 0 ? w : DefaultColumnWidth(f, averageCharWidth));
    }
    return g;
}

ColumnLayout CaptureColumnLayout(const ColumnGeometry& shown, const ColumnLayout& previous) {
    std::vector<int> all(kAllFieldCount);
    for (int f = 0; f < kAllFieldCount; ++f) all[static_cast<size_t>(f)] = f;
    all = FieldsInDisplayOrder(previous, all);

    std::vector<int> shownInOrder(shown.fields.size());
    for (size_t i = 0; i < shown.fields.size() && i < shown.position.size(); ++i) {
        const int p = shown.position[i];
        if (p >= 0 && static_cast<size_t>(p) < shownInOrder.size())
            shownInOrder[static_cast<size_t>(p)] = shown.fields[i];
    }
    size_t next = 0;
    for (int& f : all) {
        if (next < shownInOrder.size() &&
            std::find(shown.fields.begin(), shown.fields.end(), f) != shown.fields.end()) {
            f = shownInOrder[next++];
        }
    }

    ColumnLayout layout = previous;
    for (int rank = 0; rank < kAllFieldCount; ++rank)
        layout.order[static_cast<size_t>(all[static_cast<size_t>(rank)])] = rank;
    for (size_t i = 0; i < shown.fields.size() && i < shown.width.size(); ++i) {
        const int f = shown.fields[i];
        int& width = layout.widths[static_cast<size_t>(f)];
        const bool untouched = f >= kFirstExtensionField && width < 0 && shown.averageCharWidth > 0 &&
                               shown.width[i] == DefaultColumnWidth(f, shown.averageCharWidth);
        if (!untouched) width = shown.width[i];
    }
    return layout;
}

}  // namespace zofar
