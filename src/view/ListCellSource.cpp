#include "view/ListCellSource.h"

#include "store/RecordStore.h"
#include "view/CellText.h"

namespace zofar {
bool ListCellSource::InSet(int row) const { return store_.HasBrowseSet() && row >= 0 && row < store_.RecordCount(); }

std::optional<std::string> ListCellSource::Text(int row, int column) {
    // UNIQUEID is the row's key, never a cell of the list.
    if (column < 0 || column >= kAllFieldCount || column == kUniqueIdField || stopped_ || reading_ > 0 || !InSet(row))
        return std::nullopt;
    const ReadScope scope(reading_);
    const RowValues* values = store_.RowAt(row);
    if (stopped_) return std::nullopt;
    const auto field = static_cast<size_t>(column);
    return CellText(values && field < values->size() ? (*values)[field] : FieldValue{});
}

std::optional<bool> ListCellSource::OnAir(int row, const OnAirTest& test) {
    if (stopped_ || reading_ > 0 || !InSet(row)) return std::nullopt;
    const ReadScope scope(reading_);
    const RowValues* values = store_.RowAt(row);
    if (stopped_) return std::nullopt;
    if (!values) return test.IsOnAir(FieldValue{}, FieldValue{}, FieldValue{});
    return test.IsRowOnAir(*values, store_.Columns().extension);
}

}  // namespace zofar
