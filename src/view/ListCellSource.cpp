#include "view/ListCellSource.h"

#include "store/RecordStore.h"
#include "view/CellText.h"

namespace zofar {
namespace {

// Browse-set field indexes of the columns the on-air marker reads.
constexpr int kStartField = 10;
constexpr int kEndField = 11;
constexpr int kDaysField = 12;

}  // namespace

bool ListCellSource::Position(int row) {
    if (!store_.HasBrowseSet() || row < 0) return false;
    if (row == cachedRow_) return true;
    if (!store_.MoveTo(row)) return false;
    cachedRow_ = row;
    return true;
}

std::optional<std::string> ListCellSource::Text(int row, int column) {
    if (column < 0 || column >= kFieldCount || !Position(row)) return std::nullopt;
    return CellText(store_.GetFieldValue(row, column));
}

std::optional<bool> ListCellSource::OnAir(int row, const OnAirTest& test) {
    if (!Position(row)) return std::nullopt;
    return test.IsOnAir(store_.GetFieldValue(row, kStartField), store_.GetFieldValue(row, kEndField),
                        store_.GetFieldValue(row, kDaysField));
}

}  // namespace zofar
