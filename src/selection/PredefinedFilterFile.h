#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "selection/CPredefFilter.h"
#include "selection/FilterCriteria.h"
#include "selection/PredefinedFilterList.h"

namespace zofar {

// The named filters' file: one line per entry, in list order. A line holds 33 fields (the name,
// the sixteen flags, the two frequencies, the fourteen texts), each followed by a vertical tab
// (0x0B), then "\n". Texts are neither quoted nor escaped, so a vertical tab or a line break
// inside one cannot be stored.

/// What loading the file gave.
struct PredefinedFilterLoad {
    std::vector<CPredefFilter> entries;
    /// The file exists but was not taken over whole (a line was skipped or read in pieces, or
    /// the file could not be read at all): the next save keeps it as path + ".bak".
    bool keepOldOnSave = false;
};

constexpr char kPredefinedFilterSeparator = '\x0B';
constexpr std::size_t kPredefinedFilterFieldCount = 33;
/// Longest line, line end included, in characters; a longer line is read in pieces of this
/// length, each taken as a line of its own.
constexpr std::size_t kPredefinedFilterMaxLineChars = 8191;
/// Larger files are not read (a file of hand-made filters is a few kilobytes).
constexpr std::size_t kPredefinedFilterMaxFileBytes = 1024 * 1024;
/// Lines past this many entries are not loaded; every line, even an empty one, makes an entry,
/// and the cap bounds the memory a malformed file can take.
constexpr std::size_t kPredefinedFilterMaxEntries = 10000;
/// The suffix of the copy that keeps a file not read whole.
constexpr std::string_view kPredefinedFilterKeptSuffix = ".bak";

/// Shown by the name dialog when IsStorableFilterName refuses a name.
constexpr std::string_view kUnstorableFilterNameMessage =
    "A filter name cannot contain line breaks or vertical tab characters!\n"
    "Please enter a different filter name.";

/// False when the name holds a character that would break its line in the file: a vertical
/// tab (0x0B), a carriage return or a line feed.
bool IsStorableFilterName(std::string_view name);

/// The text with every vertical tab, carriage return and line feed replaced by a blank.
std::string StorableFilterText(std::string_view text);

/// The criteria with StorableFilterText applied to each of the fourteen texts.
FilterCriteria WithStorableTexts(FilterCriteria criteria);

/// The entry's line, "\n" included: the name, the flags in decimal, the frequencies in kHz
/// with one decimal and a point, the texts, each followed by the separator. The name and texts
/// are written through StorableFilterText, so the line always reads back as one entry.
std::string FormatPredefinedFilterLine(const CPredefFilter& entry);

/// Reads one line as the file holds it (its line end, if any, included). A field runs to the
/// next separator; a field without one runs to the end of the line and every later field is
/// empty. A flag field of exactly "0" gives 0, anything else 1; the frequencies are read with
/// ParseNumberText; the texts are taken unchanged; anything after the 33rd separator is
/// ignored. Nothing when a frequency field does not read as a number.
std::optional<CPredefFilter> ParsePredefinedFilterLine(std::string_view line);

/// Reads the file's whole contents, any bytes at all: text that is not valid UTF-8 is read as
/// code page 1252 and a leading byte-order mark is skipped; lines longer than
/// kPredefinedFilterMaxLineChars are read in pieces; a line whose frequency does not read is
/// skipped and the lines after it still load.
PredefinedFilterLoad ParsePredefinedFilterText(std::string_view bytes);

/// Loads the file at `path`. A missing file gives an empty list with nothing to keep; a file
/// that exists but cannot be read (unreadable, not a regular file, larger than
/// kPredefinedFilterMaxFileBytes) gives an empty list and is kept at the next save.
PredefinedFilterLoad LoadPredefinedFilterFile(const std::string& path);

/// Writes every entry of `list` to `path` as UTF-8, through a temporary file renamed over the
/// old one, so a failed write leaves the old file whole. With `keepOld` the old file is first
/// kept as path + ".bak"; pass the load's keepOldOnSave only until a save has succeeded, since
/// a later save with it would replace the kept copy with this program's own file.
/// False when the file could not be written.
bool SavePredefinedFilterFile(const std::string& path, const PredefinedFilterList& list, bool keepOld);

}  // namespace zofar
