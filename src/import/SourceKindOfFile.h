#pragma once

#include <string_view>

#include "store/DatabaseDialogs.h"

namespace zofar {

/// The kind of list a file name (or path) suggests: ".dbf" in any letter case an ILG dBASE
/// table, ".csv" in any letter case an EiBi schedule, anything else an ILG text list.
SourceKind SourceKindOfFile(std::string_view path);

}  // namespace zofar
