#pragma once

#include <optional>
#include <string_view>

#include "store/ListRows.h"

namespace zofar {

/// The message the clipboard and print commands show when the scope is the selected record and
/// no row is selected.
inline constexpr std::string_view kNoRecordSelectedMessage = "No record selected!\nPlease select a record.";

/// First and last row index of the browse set to output; empty when last < first.
struct RecordRange {
    int first = 0;
    int last = -1;
    int Count() const { return last >= first ? last - first + 1 : 0; }
    bool operator==(const RecordRange&) const = default;
};

/// The rows of a record scope: 1 the selected row (nothing when no row of the set is
/// selected), 2 the rows on the screen, 3 and any other value all rows. The range never
/// reaches past the set's `recordCount` rows.
std::optional<RecordRange> ResolveRecordRange(int scope, const ListRows& rows, int recordCount);

}  // namespace zofar
