#pragma once

#include <string>

namespace zofar {

/// CREATE TABLE text of ZOFTABLE: a strict table whose checks refuse a text longer than its
/// column's size, text columns ordered by the general case-insensitive collation. With
/// `extension` the extension columns follow LATI.
std::string BuildCreateTableText(bool extension = false);

/// Parameters each row of an insert takes: the columns 1..24, then the extension columns.
int InsertParameterCount(bool extension);

/// INSERT text of `rows` rows, each with one parameter per column 1..24 in table order, then
/// one per extension column with `extension`: column c of row r (from 0) is parameter
/// r * InsertParameterCount + c, extension field f is parameter r * InsertParameterCount + f.
std::string BuildInsertText(int rows = 1, bool extension = false);

/// The view ZOFAR's own connection puts in front of ZOFTABLE: every stored column and the
/// computed ones, under the table's own name, so every query text sees them.
std::string BuildComputedViewText();

}  // namespace zofar
