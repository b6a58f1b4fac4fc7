#include "store/Schema.h"

#include "store/ColumnTable.h"

namespace zofar {

std::string BuildCreateTableText() {
    std::string sql = "CREATE TABLE ZOFTABLE (UNIQUEID INTEGER PRIMARY KEY AUTOINCREMENT";
    for (int i = 1; i < kColumnCount; ++i) {
        const auto& c = kColumnTable[static_cast<size_t>(i)];
        const std::string name(c.name);
        sql += ", " + name;
        if (c.type == FieldType::Double) {
            sql += " REAL";
        } else {
            // The store's own connection redefines NOCASE as the general collation; other
            // SQLite tools fall back to their ASCII NOCASE and can still read the file.
            sql += " TEXT COLLATE NOCASE CHECK (length(" + name + ") <= " + std::to_string(c.size) + ")";
        }
    }
    sql += ") STRICT";
    return sql;
}

std::string BuildInsertText(int rows) {
    std::string names;
    for (int i = 1; i < kColumnCount; ++i) {
        if (i > 1) names += ", ";
        names += kColumnTable[static_cast<size_t>(i)].name;
    }
    std::string sql = "INSERT INTO ZOFTABLE (" + names + ") VALUES ";
    for (int r = 0; r < rows; ++r) {
        sql += r == 0 ? "(" : ", (";
        for (int i = 1; i < kColumnCount; ++i) {
            if (i > 1) sql += ", ";
            sql += "?" + std::to_string(r * kFieldCount + i);
        }
        sql += ")";
    }
    return sql;
}

}  // namespace zofar
