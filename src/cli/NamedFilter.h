#pragma once

#include <string>

#include "document/CZOFDoc.h"

namespace zofar::cli {

/// Applies the first of the document's named filters called `name` (exact, byte for byte)
/// with the filter switch on, as a user would switch the filter on and pick it in the Select
/// dialog. False, with a message on standard error, when no filter has that name.
bool UseNamedFilter(CZOFDoc& doc, const std::string& name);

/// A filter's name as one printed line: line breaks and vertical tabs become blanks.
std::string PrintableFilterName(const std::string& name);

}  // namespace zofar::cli
