#pragma once

#include <array>

#include "store/ColumnTable.h"
#include "view/ColumnLayout.h"

namespace zofar {

/// One inclusion flag per list column 0..23 (the clipboard's or the printer's column choice).
using ColumnFlags = std::array<bool, kFieldCount>;

/// The display position of every column as the list shows it: the layout's order, or the
/// table order when the order is damaged (not a permutation of 0..23), so that no position is
/// out of range or taken twice.
std::array<int, kFieldCount> DisplayPositions(const ColumnLayout& layout);

/// For every display position the column that is output there, or -1: a column is output when
/// it is not hidden (width below 8 pixels) and its flag is set.
std::array<int, kFieldCount> OutputColumnsByPosition(const ColumnLayout& layout, const ColumnFlags& flags);

}  // namespace zofar
