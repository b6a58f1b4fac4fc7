#pragma once

#include <string>

#include "base/Clock.h"

namespace zofar {

/// The date printed on every page: month, day and year as "%02d/%02d/%02d", the year with all
/// its digits ("03/07/2024").
std::string FormatPrintDate(const UtcTime& time);

}  // namespace zofar
