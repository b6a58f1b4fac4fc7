#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/Bookmark.h"

namespace zofar {

/// The tag every bookmark ZOFAR writes carries; a merge replaces the lines that carry it.
inline constexpr std::string_view kZofarTag = "ZOFAR";

/// The lines of an existing gqrx bookmarks file, as gqrx reads it: the tag block up to the
/// first empty line, then the bookmark lines; comment lines ("#...") and empty lines are left
/// out. Every other line is kept as it was, also one gqrx would ignore.
struct GqrxBookmarksFile {
    std::vector<std::string> tagLines;
    std::vector<std::string> bookmarkLines;
};

/// Splits a bookmarks file (LF or CR LF line ends) into its two blocks.
GqrxBookmarksFile ParseGqrxBookmarks(std::string_view text);

/// The tags of a bookmark line: its fifth ";" field split at commas, without blanks; nothing
/// for a line that has not exactly five fields.
std::vector<std::string> GqrxLineTags(std::string_view line);

/// gqrx's bookmarks.csv with the bookmarks: the tag header, one "NAME; #rrggbb" line per tag
/// (ZOFAR and the languages), an empty line, the bookmark header, then one line per bookmark
/// with five ";" fields: Hz; name; modulation; bandwidth in Hz; tags. A ";" in a name becomes a
/// ","; line breaks and tabs become blanks. A language's tag has its "," and ";" turned into
/// "/", since gqrx splits the tags at commas.
///
/// With `existing`, its lines are merged in: bookmark lines tagged ZOFAR are dropped, every
/// other line stays ahead of the new ones; a tag line stays unless only dropped lines used its
/// tag; a tag the file already names keeps its colour.
std::string GqrxBookmarksText(const std::vector<Bookmark>& bookmarks, const GqrxBookmarksFile* existing = nullptr);

}  // namespace zofar
