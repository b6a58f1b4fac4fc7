#include "view/FirstColumnLayout.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "store/RecordStore.h"

namespace zofar {
namespace {

// What a listener looks for first in a schedule, in the order it is read.
constexpr std::array<std::string_view, 10> kLeadingFields = {
    "FREQ", "STATION", "START", "END", "DAYS", "LANGUAGE", "TARGET", "TARGETAR", "LOCATION", "COUNTRY",
};

}  // namespace

EmptyFields FindEmptyFields(const RecordStore& store) {
    EmptyFields empty{};
    const ColumnSet columns = store.Columns();
    int left = 0;
    for (int f = 0; f < kAllFieldCount; ++f) {
        empty[static_cast<size_t>(f)] = f != kUniqueIdField;
        if (f != kUniqueIdField && columns.Has(f)) ++left;
    }
    const bool read = store.ReadSelection("", "", [&](const RowValues& row) {
        for (size_t f = 0; f < row.size() && f < empty.size(); ++f) {
            if (empty[f] && columns.Has(static_cast<int>(f)) && !IsNull(row[f]) &&
                !(std::holds_alternative<std::string>(row[f]) && TextOf(row[f]).empty())) {
                empty[f] = false;
                --left;
            }
        }
        return left > 0;
    });
    if (!read) empty.fill(false);
    return empty;
}

ColumnLayout FirstColumnLayout(const EmptyFields& empty) {
    std::vector<int> sequence;
    for (std::string_view name : kLeadingFields) {
        const std::optional<int> field = FieldNumber(name);
        if (field && !empty[static_cast<size_t>(*field)]) sequence.push_back(*field);
    }
    const auto placed = [&sequence](int f) { return std::find(sequence.begin(), sequence.end(), f) != sequence.end(); };
    for (int f = 0; f < kAllFieldCount; ++f) {
        if (!placed(f) && !empty[static_cast<size_t>(f)]) sequence.push_back(f);
    }
    ColumnLayout layout;
    for (int f = 0; f < kAllFieldCount; ++f) {
        if (!placed(f)) {
            sequence.push_back(f);
            // The narrowest width the settings file keeps: hidden, and read back as it was written.
            if (f != kUniqueIdField) layout.widths[static_cast<size_t>(f)] = 4;
        }
    }
    for (size_t rank = 0; rank < sequence.size(); ++rank)
        layout.order[static_cast<size_t>(sequence[rank])] = static_cast<int>(rank);
    return layout;
}

}  // namespace zofar
