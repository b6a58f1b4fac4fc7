#pragma once

#include <QAbstractTableModel>
#include <QPixmap>

#include <vector>

#include "view/ListCellSource.h"
#include "schedule/OnAirTest.h"
#include "store/ColumnTable.h"

namespace zofar {

class RecordStore;

/// The record list as a virtual table: every cell is read from the browse set when the view
/// paints it, and nothing but the row count and the shown fields are kept here. Column c shows
/// browse-set field Fields()[c]: the 24 list fields (column c shows field c), then the extra
/// fields the database has. Column 0 also carries the on-air marker.
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

    /// Builds (the columns of a database with `columns`, `rows` rows) or removes (no columns, no
    /// rows) the table in one reset.
    void SetColumnsShown(bool shown, int rows, ColumnSet columns = {});
    bool ColumnsShown() const { return columnsShown_; }
    /// The field each column shows; empty while no columns are shown.
    const std::vector<int>& Fields() const { return fields_; }
    /// The column that shows `field`, or -1.
    int ColumnOfField(int field) const;

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
    std::vector<int> fields_;
    int rows_ = 0;
    QPixmap offAirMarker_;
    QPixmap onAirMarker_;
};

}  // namespace zofar
