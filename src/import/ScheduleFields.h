#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zofar {

// The conversions the fixed-width schedules (HFCC, Aoki) share.

/// `text` without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

/// Characters `first` to `last` of `line`, counted from 1, both included, as far as the line
/// reaches; "" when it ends before `first`.
std::string_view FixedField(std::string_view line, std::size_t first, std::size_t last);

/// A frequency in kHz written as a decimal number and nothing else; nothing for another text,
/// zero, a negative number or infinity.
std::optional<double> ReadKilohertz(std::string_view text);

/// "HHMM" as the list's "HH:MM"; "2400", the end of the day, stays "24:00". Nothing for
/// another text or a time past 24:00.
std::optional<std::string> ReadHhmm(std::string_view hhmm);

/// Day digits counted from 1 = Sunday to 7 = Saturday, as the schedules write them, as the
/// list's digits 1 = Monday to 7 = Sunday, ascending and each once: "17" gives "67". Blanks,
/// dots and hyphens mark days off; no digit at all gives "" (every day). Nothing when another
/// character or a digit outside 1-7 is there.
std::optional<std::string> SundayFirstDays(std::string_view days);

/// "ddmmyy" as "MM-DD"; nothing for another text or a day the month never has.
std::optional<std::string> ValidityDay(std::string_view ddmmyy);

/// `text` cut to the size of list column `column`, in characters.
std::string FitColumn(int column, std::string_view text);

/// `text` cut to the size of field `field` (any field index, extension fields too).
std::string FitField(int field, std::string_view text);

}  // namespace zofar
