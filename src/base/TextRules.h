#pragma once

#include <cstddef>
#include <string>

namespace zofar {

/// True for an "hh:mm" text: five characters, ':' third, hours 0..24 and minutes 0..59 as the
/// C library's strtol reads them (so a leading blank or sign before either number is accepted,
/// " 7:05" and "07:+5" are valid, "7:05" and "24:60" are not).
bool IsValidTime(const std::string& text);

/// Reads a decimal number written with a point or a comma. Rewrites `text`: its first comma
/// becomes a point. The number is read as strtod reads it in the "C" locale, whatever the
/// process locale; only blanks and tabs may follow it. An empty or all-blank text gives 0.0 and
/// true. On failure `value` is 0.0. A number that is not finite (inf, nan, out of range) fails,
/// so it can never reach a condition text.
bool ParseNumberText(std::string& text, double& value);

/// "%.1f" of a number, always with a point whatever the process locale; with a `width`, blanks
/// in front fill it to that many characters ("%7.1f", "%9.1f").
std::string FormatOneDecimal(double value, std::size_t width = 0);

}  // namespace zofar
