#pragma once

#include <string>

#include "store/FieldValue.h"

namespace zofar {

/// The text the list shows for a browse-set value: integers in decimal, a double (FREQ) as
/// "%7.1f" followed by two blanks, a text as stored, Null as the empty text. The decimal
/// separator is always a point, whatever the process locale says.
std::string CellText(const FieldValue& value);

}  // namespace zofar
