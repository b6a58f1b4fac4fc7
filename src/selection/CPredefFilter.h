#pragma once

#include <string>

#include "selection/FilterCriteria.h"

namespace zofar {

/// One named filter: a name and the criteria it puts back when applied. A new one has an empty
/// name and the criteria of a new document (every flag 0, 0.0 to 1000000.0 kHz, empty texts).
/// Names need not be unique or non-empty.
struct CPredefFilter {
    std::string name;
    FilterCriteria criteria;

    bool operator==(const CPredefFilter&) const = default;
};

}  // namespace zofar
