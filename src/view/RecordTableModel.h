#pragma once

#include <QAbstractTableModel>
#include <QPixmap>

#include "view/ListCellSource.h"
#include "schedule/OnAirTest.h"

namespace zofar {

class RecordStore;

/// The record list as a virtual table: every cell is read from the browse set when the view
/// paints it, and nothing but the row count is kept here. Column c shows browse-set field c;
/// column 0 also carries the on-air marker.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// `store` must outlive the model.
    explicit RecordTableModel(const RecordStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// Builds (24 columns, `rows` rows) or removes (no columns, no rows) the table in one reset.
    void SetColumnsShown(bool shown, int rows);
    bool ColumnsShown() const { return columnsShown_; }

    /// Changes the number of rows at the end of the table without touching the rows that stay,
    /// so the view keeps its scroll position; the caller repaints what changed.
    void SetRowCount(int rows);

    /// A store error was reported; one met while a cell was read (true) leaves the cells empty
    /// until ReadAgain.
    bool NoteStoreError() { return source_.NoteStoreError(); }
    void ReadAgain() { source_.ReadAgain(); }

    /// The UTC minute and weekday the markers are computed for.
    void SetAirTime(const OnAirTest& time) { airTime_ = time; }
    const OnAirTest& AirTime() const { return airTime_; }

    /// Renders the marker images for a screen of this pixel ratio, so they stay crisp.
    void SetDevicePixelRatio(qreal ratio);

    /// The marker image: a red square when on the air, a white one otherwise.
    const QPixmap& Marker(bool onAir) const { return onAir ? onAirMarker_ : offAirMarker_; }

private:
    static QPixmap DrawMarker(const QColor& fill, qreal ratio);

    // Counts the reads in progress and stops them after an error: bookkeeping, not model state.
    mutable ListCellSource source_;
    OnAirTest airTime_{0, 1};
    bool columnsShown_ = false;
    int rows_ = 0;
    QPixmap offAirMarker_;
    QPixmap onAirMarker_;
};

}  // namespace zofar
