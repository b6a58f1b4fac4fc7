#pragma once

#include <string>
#include <string_view>

namespace zofar {

/// The days of an EiBi schedule line as weekday digits 1 (Monday) to 7 (Sunday), ascending and
/// each once: "Sa" gives "6", "Mo-Fr" "12345", "We-Mo" "134567", "Mo,We-Fr" "1345", "SaSu"
/// "67", "5421" "1245", "2.Th" (a weekday of the month) "4", "Last7" "7". An empty text stays
/// empty (daily); every other form ("irr", "alt", "24Dec", "USB", ...) is returned as written.
std::string EibiDaysToDigits(std::string_view days);

}  // namespace zofar
