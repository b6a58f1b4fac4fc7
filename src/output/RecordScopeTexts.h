#pragma once

#include <array>

namespace zofar {

/// The radio buttons of the record scope, in the order of the scope's values 1 to 3.
struct RecordScopeText {
    const char* text;
    const char* objectName;
};

inline constexpr std::array<RecordScopeText, 3> kRecordScopeTexts{{
    {"Selected record", "selectedRecordRadio"},
    {"Records on the screen", "screenRecordsRadio"},
    {"All records", "allRecordsRadio"},
}};

}  // namespace zofar
