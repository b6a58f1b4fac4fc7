#include "output/ColumnCheckList.h"

#include <cstddef>

namespace zofar {

ColumnCheckList::ColumnCheckList(const ColumnChoice& choice, const std::vector<bool>& checks, QWidget* parent)
    : QListWidget(parent) {
    for (std::size_t line = 0; line < choice.offered.size(); ++line) {
        const auto& position = choice.positions[static_cast<std::size_t>(choice.offered[line])];
        auto* item = new QListWidgetItem(QString::fromStdString(position.name), this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(line < checks.size() && checks[line] ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<bool> ColumnCheckList::Checks() const {
    std::vector<bool> checks;
    for (int line = 0; line < count(); ++line) checks.push_back(item(line)->checkState() == Qt::Checked);
    return checks;
}

}  // namespace zofar
