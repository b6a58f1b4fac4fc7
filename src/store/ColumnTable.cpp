#include "store/ColumnTable.h"

#include <string>

namespace zofar {

const std::array<ColumnInfo, kColumnCount> kColumnTable = {{
    {"UNIQUEID", FieldType::Long, 4, true, 6, true},     {"FREQ", FieldType::Double, 8, false, 11, true},
    {"STATION", FieldType::Text, 22, false, 23, false},  {"STN", FieldType::Text, 5, false, 8, false},
    {"MODU", FieldType::Text, 1, false, 7, false},       {"STATUS", FieldType::Text, 1, false, 9, false},
    {"LOCATION", FieldType::Text, 25, false, 23, false}, {"REGION", FieldType::Text, 20, false, 20, false},
    {"COUNTRY", FieldType::Text, 18, false, 18, false},  {"ITU", FieldType::Text, 3, false, 6, false},
    {"LC", FieldType::Text, 1, false, 4, false},         {"START", FieldType::Text, 5, false, 7, false},
    {"END", FieldType::Text, 5, false, 7, false},        {"DAYS", FieldType::Text, 7, false, 9, false},
    {"LANGUAGE", FieldType::Text, 18, false, 15, false}, {"TARGET", FieldType::Text, 8, false, 9, false},
    {"TARGETAR", FieldType::Text, 27, false, 11, false}, {"CIRAF", FieldType::Text, 30, false, 20, false},
    {"PROGRAM", FieldType::Text, 20, false, 20, false},  {"P", FieldType::Text, 1, false, 3, false},
    {"REMARKS", FieldType::Text, 15, false, 15, false},  {"POWER", FieldType::Text, 7, false, 8, true},
    {"AZI", FieldType::Text, 3, false, 5, true},         {"LONGI", FieldType::Text, 6, false, 8, true},
    {"LATI", FieldType::Text, 5, false, 7, true},
}};

const std::array<ColumnInfo, kAllFieldCount - kFirstExtensionField> kExtraColumns = {{
    {"VALIDFROM", FieldType::Text, 5, false, 8, false, ColumnKind::Extension},
    {"VALIDTO", FieldType::Text, 5, false, 8, false, ColumnKind::Extension},
    {"REGULARITY", FieldType::Text, 1, false, 5, false, ColumnKind::Extension},
    {"MONTHWEEK", FieldType::Text, 1, false, 5, false, ColumnKind::Extension},
    {"DAYSTEXT", FieldType::Text, 8, false, 9, false, ColumnKind::Extension},
    {"LASTLOG", FieldType::Text, 4, false, 6, false, ColumnKind::Extension},
    {"DISTANCE", FieldType::Long, 4, false, 8, true, ColumnKind::Computed, "ZOFAR_DISTANCE(LATI, LONGI)"},
    {"BEARING", FieldType::Long, 4, false, 6, true, ColumnKind::Computed, "ZOFAR_BEARING(LATI, LONGI)"},
    {"INBEAM", FieldType::Text, 1, false, 4, false, ColumnKind::Computed, "ZOFAR_INBEAM(LATI, LONGI, AZI)"},
}};

std::optional<int> FieldNumber(std::string_view name) {
    for (int f = 0; f < kAllFieldCount; ++f) {
        if (FieldColumn(f).name == name) return f;
    }
    return std::nullopt;
}

std::optional<int> ColumnNumber(std::string_view name) {
    for (int i = 0; i < kColumnCount; ++i) {
        if (kColumnTable[static_cast<size_t>(i)].name == name) return i;
    }
    return std::nullopt;
}

const ColumnInfo& FieldColumn(int fieldIndex) {
    if (fieldIndex >= kFirstExtensionField) return kExtraColumns[static_cast<size_t>(fieldIndex - kFirstExtensionField)];
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
