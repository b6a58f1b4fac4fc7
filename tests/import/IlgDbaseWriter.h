#pragma once

#include <shapefil.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zofar::test {

/// One field of a table to write.
struct DbaseFieldDef {
    std::string name;
    DBFFieldType type = FTString;
    int width = 1;
    int decimals = 0;
};

/// One row to write: values by field name, texts as bytes of the table's code page (a date as
/// its eight digits, a logical as its letter); fields not named stay blank.
struct DbaseRow {
    std::map<std::string, std::string> text;
    std::map<std::string, double> numbers;
    std::set<std::string> nulls;  ///< written with shapelib's Null form ("*" numbers, "?" logicals)
    bool deleted = false;
};

/// The fields of an ILG list table: FREQ numeric, every other one a character field as wide as
/// the list's column.
std::vector<DbaseFieldDef> IlgDbaseFields();

/// An ILG row at 6005 kHz with the given station and UTC text.
DbaseRow IlgDbaseRow(const std::string& station = "Radio Test", const std::string& utc = "0000-0100");

/// Writes the table with shapelib's own writer. `codePage` is "LDID/n" for the header's language
/// driver byte, or any other text for a ".cpg" file beside the table. False when shapelib refuses.
bool WriteDbaseTable(const std::string& path, const std::vector<DbaseFieldDef>& fields,
                     const std::vector<DbaseRow>& rows, const std::string& codePage = "LDID/87");

}  // namespace zofar::test
