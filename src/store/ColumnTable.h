#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zofar {

enum class FieldType { Long, Double, Text };

/// Where a column's values come from.
enum class ColumnKind {
    Stored,     ///< one of the 25 columns every ZOFTABLE has
    Extension,  ///< stored after LATI, only in databases whose source knows it
    Computed,   ///< an SQL function of stored columns, registered on ZOFAR's own connection
};

/// One column of ZOFTABLE with the attributes the list, printing and the clipboard use.
struct ColumnInfo {
    std::string_view name;
    FieldType type;
    int size;  ///< Text: maximum length in characters; numbers: bytes.
    bool autoIncrement;
    int width;  ///< Default display width in average characters.
    bool rightAligned;
    ColumnKind kind = ColumnKind::Stored;
    /// Computed columns: the SQL expression of stored columns that gives the value.
    std::string_view expression = {};
};

inline constexpr int kColumnCount = 25;    ///< UNIQUEID and the 24 list fields.
inline constexpr int kFieldCount = 24;     ///< Browse-set fields 0..23 are columns 1..24.
inline constexpr int kUniqueIdField = 24;  ///< Browse-set field index of UNIQUEID.

/// The 25 columns in table order; position = column number.
extern const std::array<ColumnInfo, kColumnCount> kColumnTable;

// Fields beyond the stored ones have fixed indexes after UNIQUEID, so a column layout or a sort
// key names them the same in every database: the extension fields, then the computed ones. A
// database that lacks a field reads it as Null and the list does not show it.
inline constexpr int kFirstExtensionField = 25;
inline constexpr int kExtensionFieldCount = 6;
inline constexpr int kFirstComputedField = kFirstExtensionField + kExtensionFieldCount;
inline constexpr int kComputedFieldCount = 3;
inline constexpr int kAllFieldCount = kFirstComputedField + kComputedFieldCount;

/// Extension fields, by index.
inline constexpr int kValidFromField = 25;    ///< first valid day, "MM-DD"
inline constexpr int kValidToField = 26;      ///< last valid day, "MM-DD"; before the first: runs over the new year
inline constexpr int kRegularityField = 27;   ///< Null or "": regular; see the Regularity codes
inline constexpr int kMonthWeekField = 28;    ///< "1".."5" or "L": only that week's weekday of the month
inline constexpr int kDaysTextField = 29;     ///< the days as the source wrote them
inline constexpr int kLastLogField = 30;      ///< "MMYY": month of the latest log, information only
/// Computed fields, by index.
inline constexpr int kDistanceField = 31;
inline constexpr int kBearingField = 32;
inline constexpr int kInBeamField = 33;

/// Codes of the regularity field.
inline constexpr std::string_view kRegularityInactive = "I";
inline constexpr std::string_view kRegularityIrregular = "R";
inline constexpr std::string_view kRegularityOffSeason = "S";

/// The extension and computed columns, field kFirstExtensionField first.
extern const std::array<ColumnInfo, kAllFieldCount - kFirstExtensionField> kExtraColumns;

/// Browse-set field index of a column name of any kind, compared exactly; nothing when unknown.
std::optional<int> FieldNumber(std::string_view name);

/// Which optional columns an open database has.
struct ColumnSet {
    bool extension = false;  ///< the extension columns are stored
    bool computed = false;   ///< the computed columns' functions are registered

    bool Has(int field) const {
        if (field < kFirstExtensionField) return field >= 0;
        if (field < kFirstComputedField) return extension;
        return computed && field < kAllFieldCount;
    }
    bool operator==(const ColumnSet&) const = default;
};

/// Column number (0..24) of a column name, compared exactly; nothing for an unknown name.
std::optional<int> ColumnNumber(std::string_view name);

/// The column of browse-set field index 0..kAllFieldCount-1.
const ColumnInfo& FieldColumn(int fieldIndex);

/// "FREQ, STATION, ..., LATI, UNIQUEID": the columns 1..24 in order, then UNIQUEID.
std::string_view SelectList();

}  // namespace zofar
