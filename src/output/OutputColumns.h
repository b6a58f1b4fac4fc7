#pragma once

#include <array>
#include <vector>

#include "store/ColumnTable.h"
#include "view/ColumnLayout.h"

namespace zofar {

/// One inclusion flag per field (the clipboard's or the printer's column choice); index =
/// browse-set field index.
using ColumnFlags = std::array<bool, kAllFieldCount>;

/// The flags a first start has: the 24 list fields on, the extra fields off.
ColumnFlags DefaultColumnFlags();

/// The display position of every field the list shows for a database with `columns` (-1 for
/// the others): the layout's order, or the table order when the order is damaged (not a
/// permutation), so that no position is out of range or taken twice.
std::array<int, kAllFieldCount> DisplayPositions(const ColumnLayout& layout, ColumnSet columns = {});

/// For every display position the field that is output there, or -1: a field is output when
/// it is not hidden (width below 8 pixels) and its flag is set.
std::vector<int> OutputColumnsByPosition(const ColumnLayout& layout, const ColumnFlags& flags, ColumnSet columns = {});

}  // namespace zofar
