#pragma once

#include <string>

namespace zofar::bench {

/// Path of a database of `records` varied, realistic records, built once per process in the
/// temporary folder.
const std::string& SharedDatabase(int records);

/// The condition that shows what is on the air on a Wednesday at 14:05 UTC.
std::string OnAirCondition();

}  // namespace zofar::bench
