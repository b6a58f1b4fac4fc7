#include "store/SelectDatabaseDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "widgets/ZofarMessageBox.h"
#include "store/DatabaseFolder.h"

namespace zofar {

SelectDatabaseDialog::SelectDatabaseDialog(const std::string& caption, const std::vector<std::string>& names,
                                           const std::string& current, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption.empty() ? QStringLiteral("ZOFAR") : QString::fromStdString(caption));

    // The list is sorted in the store's own text order, as the database folder lists it. Each
    // line keeps the name as given, so a name whose bytes are not UTF-8 comes back intact.
    names_ = names;
    SortDatabaseNames(names_);

    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (size_t index = 0; index < names_.size(); ++index) {
        auto* item = new QListWidgetItem(QString::fromStdString(names_[index]), list_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(index));
    }
    // A line is selected from the start, so Enter opens it instead of asking for a selection.
    if (!names_.empty()) {
        const auto it = std::find(names_.begin(), names_.end(), current);
        list_->setCurrentRow(it == names_.end() ? 0 : static_cast<int>(it - names_.begin()));
    }
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectDatabaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(320, 300);
}

void SelectDatabaseDialog::accept() {
    const auto chosen = list_->selectedItems();
    if (chosen.isEmpty()) {
        ZofarMessageBox::Show(this, "Please select a database!");
        return;
    }
    selected_ = names_.at(chosen.front()->data(Qt::UserRole).toULongLong());
    QDialog::accept();
}

}  // namespace zofar
