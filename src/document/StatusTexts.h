#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/Clock.h"

namespace zofar {

/// Indicator ids of the four status panes right of the message pane.
inline constexpr int kPaneRecordsId = 32788;
inline constexpr int kPaneSortId = 32789;
inline constexpr int kPaneFilterId = 32790;
inline constexpr int kPaneClockId = 32798;

/// The record, sort and clock panes are as wide as their sizing text in the status bar's font.
inline constexpr std::string_view kRecordsSizingText = "Records:  XXXXXX";
inline constexpr std::string_view kSortSizingText = "Sort:  XXXXXXXXXX";
inline constexpr std::string_view kClockSizingText = "XXXXXXXXXXXX";
/// The filter pane takes the free width of the bar, but never less than this text needs.
inline constexpr std::string_view kFilterMinimumText = "Filter:  XXXXXXXXXX";

/// The mark that ends a text cut to fit its pane.
inline constexpr std::string_view kElisionMark = "\u2026";

/// The idle text of the message pane.
inline constexpr std::string_view kReadyText = "Ready";

/// Room the window title has, in characters.
inline constexpr size_t kMaxTitleLength = 255;

/// "Records:  <count>".
std::string RecordsPaneText(int count);
/// "Sort:  <key>", the key exactly as stored.
std::string SortPaneText(std::string_view sortKey);
/// "Filter:  <description>" for the words of a filter, the description alone when it says that
/// there is no filter.
std::string FilterPaneText(std::string_view description);
/// The filter pane's tip: its whole text, and on a line of its own the exact condition the list
/// is selected by, when there is one.
std::string FilterPaneTip(std::string_view paneText, std::string_view condition);
/// " hh:mm:ss  UTC".
std::string ClockPaneText(const UtcTime& time);
/// " ZOFAR Program Database", followed by two blanks and the quoted name when there is one;
/// cut to kMaxTitleLength characters.
std::string MainTitleText(std::string_view databaseName);

/// "The predefined filters could not be saved to <path>."
std::string PredefinedFilterSaveFailedText(std::string_view path);

/// `text` as it fits into `width` pixels: whole when it fits, otherwise its longest start that
/// fits with kElisionMark after it, or the mark alone. `measure` gives a UTF-8 text's width in
/// pixels; a character is never split.
std::string ElideToWidth(std::string_view text, int width, const std::function<int(std::string_view)>& measure);


}  // namespace zofar
