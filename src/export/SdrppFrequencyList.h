#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/Bookmark.h"

namespace zofar {

/// The text as a JSON string, quotes included: quote and backslash escaped, control characters
/// below U+0020 as \b \f \n \r \t or \u00XX; everything else, non-ASCII too, stays UTF-8.
std::string JsonString(std::string_view text);

/// The names made unique in order: the first of a name keeps it, later ones get " (2)",
/// " (3)", ... (skipping any that another bookmark already has).
std::vector<std::string> UniqueNames(const std::vector<Bookmark>& bookmarks);

/// SDR++'s frequency manager list, as its import reads it:
/// {"bookmarks": {NAME: {"frequency": Hz, "bandwidth": Hz, "mode": N}}}, one member per
/// bookmark in order, the names made unique (SDR++ skips a name it already holds).
std::string SdrppFrequencyListText(const std::vector<Bookmark>& bookmarks);

}  // namespace zofar
