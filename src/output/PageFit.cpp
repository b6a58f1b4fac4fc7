#include "output/PageFit.h"

#include "store/ColumnTable.h"

namespace zofar {

std::vector<int> ColumnsBeyondPage(const PageLayout& layout) {
    std::vector<int> beyond;
    for (const PageLayout::Slot& slot : layout.columnSlots) {
        if (slot.x + slot.size * layout.charWidth > layout.clip.right) beyond.push_back(slot.column);
    }
    return beyond;
}

std::vector<int> ColumnsBeyondPage(const PageInput& page, const std::vector<int>& ordered) {
    PageLayout layout = ComputePageLayout(page);
    layout.columnSlots = LayColumnSlots(ordered, layout.x0, layout.charWidth);
    return ColumnsBeyondPage(layout);
}

std::string ColumnsBeyondPageText(const std::vector<int>& columns) {
    if (columns.empty()) return {};
    std::string text = "Do not fit on the page: ";
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) text += ", ";
        text += FieldColumn(columns[i]).name;
    }
    return text;
}

}  // namespace zofar
