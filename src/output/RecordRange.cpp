#include "output/RecordRange.h"

#include <algorithm>

#include "output/OutputOptions.h"

namespace zofar {

std::optional<RecordRange> ResolveRecordRange(int scope, const ListRows& rows, int recordCount) {
    switch (scope) {
    case kScopeSelected:
        // A selection the list still shows after the set shrank is no record of the set.
        if (rows.selected < 0 || rows.selected >= recordCount) return std::nullopt;
        return RecordRange{rows.selected, rows.selected};
    case kScopeScreen: return RecordRange{std::max(rows.firstVisible, 0), std::min(rows.lastVisible, recordCount - 1)};
    default: return RecordRange{0, recordCount - 1};
    }
}

}  // namespace zofar
