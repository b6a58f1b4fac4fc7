#pragma once

#include <string>

#include "store/FieldValue.h"

namespace zofar {

/// The printed cell of field 0..kAllFieldCount-1: FREQ as "%7.1f" (always with a point), a text
/// column's text or "" for Null, an extra number field's integer, and "" for anything else,
/// whatever the value holds.
std::string OutputCell(int column, const FieldValue& value);

/// The clipboard cell: the printed cell with blanks appended up to the column's field size in
/// characters. A longer cell is kept whole, never cut.
std::string PaddedOutputCell(int column, const FieldValue& value);

}  // namespace zofar
