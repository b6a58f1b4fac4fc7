#pragma once

#include <optional>

#include "selection/FilterCriteria.h"

namespace zofar {

/// The dialogs of the record selection: the filter dialog. The defaults answer Cancel.
class SelectionDialogs {
public:
    virtual ~SelectionDialogs() = default;

    /// The filter dialog filled with `criteria`; the accepted values, nothing on Cancel.
    virtual std::optional<FilterCriteria> RunFilterDialog(const FilterCriteria& /*criteria*/) { return std::nullopt; }
};

}  // namespace zofar
