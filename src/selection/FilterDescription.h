#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "selection/FilterCriteria.h"

namespace zofar {

/// The description of a filter that selects nothing out.
inline constexpr std::string_view kNoFilterDescription = "No filter";

/// What the condition of `criteria` selects, in short words for the status bar and the printed
/// page: one phrase per ticked criterion in the filter dialog's order ("Frequency 9400-9900 kHz",
/// "Station contains BBC or VOA", "Country code (ITU) is G", "Start 22:00-02:00", "On air now"),
/// joined with " · "; kNoFilterDescription when `bFilter` is not 1 or no criterion is ticked.
/// The phrases read the values as the condition does, cut to the same length.
/// With `dated` (a database whose entries say when they are valid) the on-air criterion says
/// that the dates are honoured: "On air now (dates honoured)".
std::string DescribeFilter(const FilterCriteria& criteria, uint32_t bFilter, bool dated = false);

}  // namespace zofar
