#include "selection/FilterCriteria.h"

#include "selection/CriterionTable.h"

namespace zofar {

void FilterCriteria::ClearCriterionFlags() {
    for (const Criterion& c : CriterionTable()) this->*c.flag = 0;
}

}  // namespace zofar
