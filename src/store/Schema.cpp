#include "store/Schema.h"

#include "store/ColumnTable.h"

namespace zofar {

namespace {

std::string ColumnDefinition(const ColumnInfo& c) {
    const std::string name(c.name);
    if (c.type == FieldType::Double) return name + " REAL";
    // The store's own connection redefines NOCASE as the general collation; other SQLite tools
    // fall back to their ASCII NOCASE and can still read the file.
    return name + " TEXT COLLATE NOCASE CHECK (length(" + name + ") <= " + std::to_string(c.size) + ")";
}

// The names of the stored columns after UNIQUEID, in table order.
std::string InsertedNames(bool extension) {
    std::string names;
    for (int i = 1; i < kColumnCount; ++i) {
        if (i > 1) names += ", ";
        names += kColumnTable[static_cast<size_t>(i)].name;
    }
    if (extension) {
        for (int f = kFirstExtensionField; f < kFirstComputedField; ++f) {
            names += ", ";
            names += FieldColumn(f).name;
        }
    }
    return names;
}

}  // namespace

std::string BuildCreateTableText(bool extension) {
    std::string sql = "CREATE TABLE ZOFTABLE (UNIQUEID INTEGER PRIMARY KEY AUTOINCREMENT";
    for (int i = 1; i < kColumnCount; ++i) sql += ", " + ColumnDefinition(kColumnTable[static_cast<size_t>(i)]);
    if (extension) {
        for (int f = kFirstExtensionField; f < kFirstComputedField; ++f) sql += ", " + ColumnDefinition(FieldColumn(f));
    }
    sql += ") STRICT";
    return sql;
}

int InsertParameterCount(bool extension) { return kFieldCount + (extension ? kExtensionFieldCount : 0); }

std::string BuildInsertText(int rows, bool extension) {
    const int perRow = InsertParameterCount(extension);
    std::string sql = "INSERT INTO ZOFTABLE (" + InsertedNames(extension) + ") VALUES ";
    for (int r = 0; r < rows; ++r) {
        sql += r == 0 ? "(" : ", (";
        for (int i = 1; i <= perRow; ++i) {
            if (i > 1) sql += ", ";
            sql += "?" + std::to_string(r * perRow + i);
        }
        sql += ")";
    }
    return sql;
}

std::string BuildComputedViewText() {
    std::string sql = "CREATE TEMP VIEW ZOFTABLE AS SELECT *";
    for (int f = kFirstComputedField; f < kAllFieldCount; ++f) {
        const ColumnInfo& c = FieldColumn(f);
        sql += ", " + std::string(c.expression) + " AS " + std::string(c.name);
    }
    sql += " FROM main.ZOFTABLE";
    return sql;
}

}  // namespace zofar
