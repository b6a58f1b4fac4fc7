#pragma once

#include <string>

namespace zofar {

/// CREATE TABLE text of ZOFTABLE: a strict table whose checks refuse a text longer than its
/// column's size, text columns ordered by the general case-insensitive collation.
std::string BuildCreateTableText();

/// INSERT text with one parameter per column 1..24 in table order.
std::string BuildInsertText();

}  // namespace zofar
