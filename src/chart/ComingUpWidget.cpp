#include "chart/ComingUpWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "chart/ChartTexts.h"
#include "chart/ComingUp.h"

namespace zofar {

ComingUpWidget::ComingUpWidget(QWidget* parent) : QWidget(parent), minutes_(new QSpinBox), list_(new QListWidget) {
    minutes_->setRange(1, 1440);
    minutes_->setValue(kDefaultMinutes);
    minutes_->setSuffix(tr(" min"));
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Starting within:")));
    controls->addWidget(minutes_);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(list_, 1);

    connect(minutes_, &QSpinBox::valueChanged, this, [this] { Refill(); });
    connect(list_, &QListWidget::itemClicked, this, &ComingUpWidget::Choose);
    connect(list_, &QListWidget::itemActivated, this, &ComingUpWidget::Choose);
}

void ComingUpWidget::SetRecords(std::vector<ChartRecord> records) {
    records_ = std::move(records);
    Refill();
}

void ComingUpWidget::SetNow(const UtcTime& now) {
    now_ = now;
    Refill();
}

// Marks the line without filling the list again: the owner may call this while the list is
// still reporting a click on one of its lines.
void ComingUpWidget::SetSelectedId(int id) {
    selectedId_ = id;
    const QSignalBlocker quiet(list_);
    list_->setCurrentItem(nullptr);
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole).toInt() == id) list_->setCurrentRow(row);
    }
}

void ComingUpWidget::Refill() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    if (!now_) return;
    for (const ComingUpEntry& entry : ComingUp(records_, *now_, minutes_->value())) {
        const ChartRecord& record = records_[entry.record];
        auto* item = new QListWidgetItem(QString::fromStdString(ComingUpText(record, entry.minutesLeft)), list_);
        item->setData(Qt::UserRole, record.id);
        if (record.id == selectedId_) list_->setCurrentItem(item);
    }
}

void ComingUpWidget::Choose(QListWidgetItem* item) {
    if (item == nullptr) return;
    selectedId_ = item->data(Qt::UserRole).toInt();
    emit recordChosen(selectedId_);
}

}  // namespace zofar
