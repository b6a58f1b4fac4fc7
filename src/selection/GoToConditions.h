#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/KeyColumns.h"

namespace zofar {

/// The LIKE pattern a go-to search looks for, made from the text as typed: in choice mode with
/// "Substring" (`exactMatch` false) the text between two "*"; in choice mode with "Exact match"
/// and in exact mode the text itself. An empty text is never wrapped.
std::string GoToPattern(std::string_view text, GoToMode mode, bool exactMatch);

/// `column` + " LIKE '" + `pattern` + "'", with every apostrophe of the pattern doubled so that
/// it is matched literally.
std::string GoToTextCondition(std::string_view column, std::string_view pattern);

/// "FREQ >= " followed by `kHz` right-aligned in nine characters with one decimal.
std::string GoToFrequencyCondition(double kHz);

/// The whole kHz a go-to on a reported frequency in Hz searches from: Hz / 1000 truncated
/// toward zero (6055500 gives 6055, 999 gives 0).
int32_t ReportedFrequencyKhz(int32_t hz);

}  // namespace zofar
