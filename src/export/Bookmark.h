#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "export/ExportTable.h"

namespace zofar {

/// How an SDR program demodulates a bookmark, from the record's MODU.
struct BookmarkMode {
    std::string_view gqrxName;  ///< gqrx's modulation name ("AM", "USB", "LSB", "CW-U")
    int sdrppMode = 2;          ///< SDR++'s mode number (2 AM, 4 USB, 5 CW, 6 LSB)
    int bandwidthHz = 10000;
    bool operator==(const BookmarkMode&) const = default;
};

/// A for AM, U for USB, L for LSB, C for CW (upper side), in either case; anything else AM.
BookmarkMode ModeOfModu(std::string_view modu);

/// One record as an SDR program's bookmark.
struct Bookmark {
    std::string name;      ///< "BBC 0500 English"; well-formed UTF-8
    int64_t hz = 0;        ///< the frequency in Hz
    std::string language;  ///< as stored, well-formed UTF-8; may be empty
    BookmarkMode mode;
};

/// The bookmark's name: station, start time without its colon ("05:00" gives "0500") and
/// language, each without surrounding blanks, the empty ones left out, joined by one blank.
/// With all three empty, the frequency as the list shows it (`freqText`).
std::string BookmarkName(std::string_view station, std::string_view start, std::string_view language,
                         std::string_view freqText);

/// The bookmarks of the table's rows, read from its columns FREQ (kHz), STATION, MODU, START
/// and LANGUAGE (a missing column reads as Null). A row without a frequency above 0 Hz that
/// fits the program's 64-bit count of Hz is left out: it cannot be tuned.
std::vector<Bookmark> BookmarksOf(const ExportTable& table);

/// The list columns BookmarksOf reads, by name.
inline constexpr std::string_view kBookmarkColumns[] = {"FREQ", "STATION", "MODU", "START", "LANGUAGE"};

}  // namespace zofar
