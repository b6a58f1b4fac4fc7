#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "base/CommandId.h"

namespace zofar {

/// How the go-to search of a column asks for its value.
enum class GoToMode {
    Number,  ///< the frequency dialog: a number from 0 to 1000000
    Choice,  ///< the text dialog with "Substring" and "Exact match"
    Exact,   ///< the text dialog without the choice: the text is searched as typed
};

/// One of the fourteen key columns: the columns the list can be sorted by and searched in.
/// Everything the menus, the sort, the header clicks and the go-to dialogs know of them.
struct KeyColumn {
    std::string_view column;  ///< the ZOFTABLE column, which is also the sort key
    CommandId sortCommand;
    std::string_view sortText;    ///< Sort menu item, with its '&' mnemonic
    std::string_view sortPrompt;  ///< status text of the Sort menu item
    CommandId goToCommand;
    std::string_view goToText;    ///< Go to menu item, with its mnemonic and key text
    std::string_view goToKey;     ///< "Ctrl+<letter>", empty for none
    std::string_view goToPrompt;  ///< status text of the Go to menu item
    std::string_view goToLabel;   ///< follows "ZOFAR  Go to " in the dialog's title
    GoToMode goToMode;
};

inline constexpr int kKeyColumnCount = 14;

/// The key columns in menu order (the Sort and the Go to menu list them alike).
inline constexpr std::array<KeyColumn, kKeyColumnCount> kKeyColumns{{
    {"FREQ", CommandId::SortFrequency, "&Frequency", "Sort records by frequency", CommandId::GoToFrequency,
     "&Frequency...\tCtrl+F", "Ctrl+F", "Go to the record with the specified frequency", "Frequency", GoToMode::Number},
    {"STATION", CommandId::SortStation, "&Station", "Sort records by station", CommandId::GoToStation,
     "&Station...\tCtrl+S", "Ctrl+S", "Go to the record with the specified station", "Station", GoToMode::Choice},
    {"STN", CommandId::SortStn, "St&n", "Sort records by stn", CommandId::GoToStn, "St&n...", "",
     "Go to the record with the specified stn", "Stn", GoToMode::Choice},
    {"STATUS", CommandId::SortStatus, "Stat&us", "Sort records by status", CommandId::GoToStatus, "Stat&us...", "",
     "Go to the record with the specified status", "Status", GoToMode::Exact},
    {"LOCATION", CommandId::SortLocation, "&Location", "Sort records by location", CommandId::GoToLocation,
     "&Location...", "", "Go to the record with the specified location", "Location", GoToMode::Choice},
    {"REGION", CommandId::SortRegion, "&Region", "Sort records by region", CommandId::GoToRegion, "&Region...", "",
     "Go to the record with the specified region", "Region", GoToMode::Choice},
    {"COUNTRY", CommandId::SortCountry, "Countr&y", "Sort records by country", CommandId::GoToCountry, "Countr&y...",
     "", "Go to the record with the specified country", "Country", GoToMode::Choice},
    {"ITU", CommandId::SortItu, "Country code (&ITU)", "Sort records by country code", CommandId::GoToItu,
     "Country code (&ITU)...", "", "Go to the record with the specified country code", "ITU", GoToMode::Exact},
    {"LC", CommandId::SortLc, "Location code (L&C)", "Sort records by location code", CommandId::GoToLc,
     "Location code (L&C)...", "", "Go to the record with the specified location code", "Location Code",
     GoToMode::Exact},
    {"START", CommandId::SortStart, "St&art", "Sort records by start time", CommandId::GoToStart, "St&art...", "",
     "Go to the record with the specified start time", "Start Time", GoToMode::Exact},
    {"END", CommandId::SortEnd, "&End", "Sort records by end time", CommandId::GoToEnd, "&End...", "",
     "Go to the record with the specified end time", "End Time", GoToMode::Exact},
    {"LANGUAGE", CommandId::SortLanguage, "Lan&guage", "Sort records by language", CommandId::GoToLanguage,
     "Lan&guage...", "", "Go to the record with the specified language", "Language", GoToMode::Choice},
    // "specifies" is the program's long-standing prompt text and is kept as users know it.
    {"TARGETAR", CommandId::SortTargetArea, "&Target area", "Sort records by target area", CommandId::GoToTargetArea,
     "&Target area...", "", "Go to the record with the specifies target area", "Target Area", GoToMode::Choice},
    {"P", CommandId::SortProgramStructure, "&Program structure (P)", "Sort records by program structure",
     CommandId::GoToProgramStructure, "&Program structure (P)...", "",
     "Go to the record with the specified program structure", "Program Type", GoToMode::Exact},
}};

/// The key column of that name, compared exactly (column names are upper case); nullptr for
/// every other column.
const KeyColumn* FindKeyColumn(std::string_view column);

/// The key column whose sort or go-to command `id` is; nullptr for every other command.
const KeyColumn* KeyColumnOfCommand(CommandId id);

/// True for the fourteen key columns: they can be sort keys and have their heading in capitals.
inline bool IsKeyColumn(std::string_view column) { return FindKeyColumn(column) != nullptr; }

}  // namespace zofar
