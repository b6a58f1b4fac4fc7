#include "store/ColumnTable.h"

#include <string>

namespace zofar {

const std::array<ColumnInfo, kColumnCount> kColumnTable = {{
    {"UNIQUEID", FieldType::Long, 4, true, 6, true, false},
    {"FREQ", FieldType::Double, 8, false, 11, true, true},
    {"STATION", FieldType::Text, 22, false, 23, false, true},
    {"STN", FieldType::Text, 5, false, 8, false, true},
    {"MODU", FieldType::Text, 1, false, 7, false, false},
    {"STATUS", FieldType::Text, 1, false, 9, false, true},
    {"LOCATION", FieldType::Text, 25, false, 23, false, true},
    {"REGION", FieldType::Text, 20, false, 20, false, true},
    {"COUNTRY", FieldType::Text, 18, false, 18, false, true},
    {"ITU", FieldType::Text, 3, false, 6, false, true},
    {"LC", FieldType::Text, 1, false, 4, false, true},
    {"START", FieldType::Text, 5, false, 7, false, true},
    {"END", FieldType::Text, 5, false, 7, false, true},
    {"DAYS", FieldType::Text, 7, false, 9, false, false},
    {"LANGUAGE", FieldType::Text, 18, false, 15, false, true},
    {"TARGET", FieldType::Text, 8, false, 9, false, false},
    {"TARGETAR", FieldType::Text, 27, false, 11, false, true},
    {"CIRAF", FieldType::Text, 30, false, 20, false, false},
    {"PROGRAM", FieldType::Text, 20, false, 20, false, false},
    {"P", FieldType::Text, 1, false, 3, false, true},
    {"REMARKS", FieldType::Text, 15, false, 15, false, false},
    {"POWER", FieldType::Text, 7, false, 8, true, false},
    {"AZI", FieldType::Text, 3, false, 5, true, false},
    {"LONGI", FieldType::Text, 6, false, 8, true, false},
    {"LATI", FieldType::Text, 5, false, 7, true, false},
}};

std::optional<int> ColumnNumber(std::string_view name) {
    for (int i = 0; i < kColumnCount; ++i) {
        if (kColumnTable[static_cast<size_t>(i)].name == name) return i;
    }
    return std::nullopt;
}

const ColumnInfo& FieldColumn(int fieldIndex) {
    return kColumnTable[static_cast<size_t>(fieldIndex == kUniqueIdField ? 0 : fieldIndex + 1)];
}

std::string_view SelectList() {
    static const std::string text = [] {
        std::string s;
        for (int i = 1; i < kColumnCount; ++i) {
            s += kColumnTable[static_cast<size_t>(i)].name;
            s += ", ";
        }
        s += "UNIQUEID";
        return s;
    }();
    return text;
}

}  // namespace zofar
