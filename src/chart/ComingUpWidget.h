#pragma once

#include <QWidget>

#include <optional>
#include <vector>

#include "base/Clock.h"
#include "chart/ChartRecord.h"

class QListWidget;
class QListWidgetItem;
class QSpinBox;

namespace zofar {

/// The records that start within the next minutes, soonest first, with the minutes left; how
/// many minutes ahead is set in a spin box (default 30). A click on a line, or Enter on it,
/// emits recordChosen.
class ComingUpWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultMinutes = 30;

    explicit ComingUpWidget(QWidget* parent = nullptr);

    void SetRecords(std::vector<ChartRecord> records);
    void SetNow(const UtcTime& now);
    /// Marks the line of this record, when it is in the list.
    void SetSelectedId(int id);

    QSpinBox* MinutesBox() const { return minutes_; }
    QListWidget* List() const { return list_; }

signals:
    void recordChosen(int recordId);

private:
    void Refill();
    void Choose(QListWidgetItem* item);

    std::vector<ChartRecord> records_;
    std::optional<UtcTime> now_;
    int selectedId_ = -1;
    QSpinBox* minutes_;
    QListWidget* list_;
};

}  // namespace zofar
