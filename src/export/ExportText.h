#pragma once

#include <string>
#include <string_view>

#include "store/FieldValue.h"

namespace zofar {

/// The text as well-formed UTF-8: every byte that does not begin a well-formed sequence becomes
/// U+FFFD, so a strict reader (a JSON parser) never refuses the file for one damaged name.
std::string WellFormedUtf8(std::string_view text);

/// The text of a value in an exported file: FREQ (a double) with one decimal and no padding
/// ("6005.0"), an integer in decimal, a text as stored, Null as the empty text.
std::string ExportCellText(const FieldValue& value);

}  // namespace zofar
