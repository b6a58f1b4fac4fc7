#pragma once

#include <string>
#include <string_view>

#include "base/Clock.h"

namespace zofar {

/// Indicator ids of the four status panes right of the message pane.
inline constexpr int kPaneRecordsId = 32788;
inline constexpr int kPaneSortId = 32789;
inline constexpr int kPaneFilterId = 32790;
inline constexpr int kPaneClockId = 32798;

/// Each pane is as wide as its sizing text in the status bar's font.
inline constexpr std::string_view kRecordsSizingText = "Records:  XXXXXX";
inline constexpr std::string_view kSortSizingText = "Sort:  XXXXXXXXXX";
inline constexpr std::string_view kFilterSizingText = "Filter:  XXXXXXXXXXXXXXXXXXXXXXXXXX";
inline constexpr std::string_view kClockSizingText = "XXXXXXXXXXXX";

/// The idle text of the message pane.
inline constexpr std::string_view kReadyText = "Ready";

/// Room the window title has, in characters.
inline constexpr size_t kMaxTitleLength = 255;

/// "Records:  <count>".
std::string RecordsPaneText(int count);
/// "Sort:  <key>", the key exactly as stored.
std::string SortPaneText(std::string_view sortKey);
/// "Filter:  <condition>" while the filter is on, "Filter:  disabled" while it is off.
std::string FilterPaneText(bool filterOn, std::string_view condition);
/// " hh:mm:ss  UTC".
std::string ClockPaneText(const UtcTime& time);
/// " ZOFAR Program Database", followed by two blanks and the quoted name when there is one;
/// cut to kMaxTitleLength characters.
std::string MainTitleText(std::string_view databaseName);

}  // namespace zofar
