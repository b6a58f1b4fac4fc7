#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zofar {

enum class FieldType { Long, Double, Text };

/// One column of ZOFTABLE with the attributes the list, printing and the clipboard use.
struct ColumnInfo {
    std::string_view name;
    FieldType type;
    int size;  ///< Text: maximum length in characters; numbers: bytes.
    bool autoIncrement;
    int width;  ///< Default display width in average characters.
    bool rightAligned;
};

inline constexpr int kColumnCount = 25;    ///< UNIQUEID and the 24 list fields.
inline constexpr int kFieldCount = 24;     ///< Browse-set fields 0..23 are columns 1..24.
inline constexpr int kUniqueIdField = 24;  ///< Browse-set field index of UNIQUEID.

/// The 25 columns in table order; position = column number.
extern const std::array<ColumnInfo, kColumnCount> kColumnTable;

/// Column number (0..24) of a column name, compared exactly; nothing for an unknown name.
std::optional<int> ColumnNumber(std::string_view name);

/// The column of browse-set field index 0..24.
const ColumnInfo& FieldColumn(int fieldIndex);

/// "FREQ, STATION, ..., LATI, UNIQUEID": the columns 1..24 in order, then UNIQUEID.
std::string_view SelectList();

}  // namespace zofar
