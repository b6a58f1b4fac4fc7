#include "view/RecordTableModel.h"

#include <QPainter>

#include <algorithm>

#include "store/ColumnTable.h"
#include "view/ColumnLayoutRules.h"

namespace zofar {
namespace {

constexpr int kMarkerWidth = 16;
constexpr int kMarkerHeight = 12;

Qt::Alignment ColumnAlignment(int column) {
    return (FieldColumn(column).rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

}  // namespace

RecordTableModel::RecordTableModel(const RecordStore& store, QObject* parent)
    : QAbstractTableModel(parent), source_(store) {
    SetDevicePixelRatio(1.0);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !columnsShown_ ? 0 : static_cast<int>(fields_.size());
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !columnsShown_ || index.row() >= rows_ || index.column() >= columnCount()) return {};
    const int field = fields_[static_cast<size_t>(index.column())];
    // The delegate asks for many roles per cell; only two of them need the browse set.
    switch (role) {
    case Qt::DisplayRole: {
        const auto text = source_.Text(index.row(), field);
        if (!text) return {};
        return QString::fromStdString(*text);
    }
    case Qt::DecorationRole: {
        if (index.column() != 0) return {};
        const auto onAir = source_.OnAir(index.row(), airTime_);
        if (!onAir) return {};
        return Marker(*onAir);
    }
    case Qt::TextAlignmentRole: return QVariant::fromValue(ColumnAlignment(field));
    default: return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const int field = fields_[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromStdString(ColumnHeading(field));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ColumnAlignment(field));
    return {};
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int RecordTableModel::ColumnOfField(int field) const {
    const auto at = std::find(fields_.begin(), fields_.end(), field);
    return at == fields_.end() ? -1 : static_cast<int>(at - fields_.begin());
}

void RecordTableModel::SetColumnsShown(bool shown, int rows, ColumnSet columns) {
    beginResetModel();
    columnsShown_ = shown;
    fields_ = shown ? ListFields(columns) : std::vector<int>{};
    rows_ = shown ? std::max(rows, 0) : 0;
    endResetModel();
}

void RecordTableModel::SetRowCount(int rows) {
    rows = columnsShown_ ? std::max(rows, 0) : 0;
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
}

void RecordTableModel::SetDevicePixelRatio(qreal ratio) {
    if (ratio <= 0) ratio = 1.0;
    if (!offAirMarker_.isNull() && qFuzzyCompare(offAirMarker_.devicePixelRatio(), ratio)) return;
    offAirMarker_ = DrawMarker(Qt::white, ratio);
    onAirMarker_ = DrawMarker(QColor(0xe0, 0x00, 0x00), ratio);
}

QPixmap RecordTableModel::DrawMarker(const QColor& fill, qreal ratio) {
    QPixmap pixmap(QSize(qRound(kMarkerWidth * ratio), qRound(kMarkerHeight * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // A square on whole pixels with a dark rim, so a white marker still shows on a white row.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect square(3, 1, 10, 10);
    painter.fillRect(square, fill);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    return pixmap;
}

}  // namespace zofar
