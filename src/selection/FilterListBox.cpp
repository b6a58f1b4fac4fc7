#include "selection/FilterListBox.h"

namespace zofar {

FilterListBox::FilterListBox(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("filterList"));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FilterListBox::Fill(const std::vector<std::string>& names) {
    clear();
    for (const std::string& name : names) addItem(QString::fromStdString(name));
    clearSelection();
    setCurrentRow(-1);
}

int FilterListBox::SelectedLine() const {
    const auto chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.front());
}

}  // namespace zofar
