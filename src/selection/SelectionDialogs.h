#pragma once

#include <optional>
#include <string>
#include <vector>

#include "selection/FilterCriteria.h"
#include "selection/PredefinedFilterManager.h"

namespace zofar {

/// The dialogs of the record selection: the filter dialog and the named filters' dialogs. The
/// defaults answer Cancel.
class SelectionDialogs {
public:
    virtual ~SelectionDialogs() = default;

    /// The filter dialog filled with `criteria`; the accepted values, nothing on Cancel.
    virtual std::optional<FilterCriteria> RunFilterDialog(const FilterCriteria& /*criteria*/) { return std::nullopt; }

    /// The Select dialog listing `names`: the list box line chosen with OK (-1 for OK in an
    /// empty list), nothing on Cancel.
    virtual std::optional<int> RunSelectPredefinedFilterDialog(const std::vector<std::string>& /*names*/) {
        return std::nullopt;
    }

    /// The Manage dialog, which changes the list through `manager` while it is open.
    virtual void RunManagePredefinedFiltersDialog(PredefinedFilterManager& /*manager*/) {}
};

}  // namespace zofar
