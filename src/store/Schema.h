#pragma once

#include <string>

namespace zofar {

/// CREATE TABLE text of ZOFTABLE: a strict table whose checks refuse a text longer than its
/// column's size, text columns ordered by the general case-insensitive collation.
std::string BuildCreateTableText();

/// INSERT text of `rows` rows, each with one parameter per column 1..24 in table order: column
/// c of row r (from 0) is parameter r * 24 + c.
std::string BuildInsertText(int rows = 1);

}  // namespace zofar
