#pragma once

#include <string_view>

#include "import/SourceKinds.h"

namespace zofar::test {

/// The id of the source kind zofar-cli calls `name`; the tests name only kinds that exist.
inline int KindId(std::string_view name) { return SourceKindNamed(name).value_or(-1); }

}  // namespace zofar::test
