#include "store/SelectDatabaseDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ZofarMessageBox.h"

namespace zofar {

SelectDatabaseDialog::SelectDatabaseDialog(const std::string& caption, const std::vector<std::string>& names,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption.empty() ? QStringLiteral("ZOFAR") : QString::fromStdString(caption));

    // Each line keeps the name as given, so a name whose bytes are not UTF-8 comes back intact.
    names_ = names;
    std::vector<size_t> order(names.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&names](size_t a, size_t b) {
        return QString::compare(QString::fromStdString(names[a]), QString::fromStdString(names[b]),
                                Qt::CaseInsensitive) < 0;
    });

    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (size_t index : order) {
        auto* item = new QListWidgetItem(QString::fromStdString(names[index]), list_);
        item->setData(Qt::UserRole, static_cast<qulonglong>(index));
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
