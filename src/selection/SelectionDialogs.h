#pragma once

#include <optional>
#include <string>
#include <vector>

#include "selection/FilterCriteria.h"
#include "selection/PredefinedFilterManager.h"
#include "store/KeyColumns.h"

namespace zofar {

/// What the go-to text dialog returns on OK: the text as typed and the radio chosen.
struct GoToTextEntry {
    std::string text;
    bool exactMatch = false;  ///< "Exact match" chosen; always false in exact mode (no radios)
};

/// The dialogs of the record selection: the filter dialog, the named filters' dialogs and the
/// go-to dialogs. The defaults answer Cancel.
class SelectionDialogs {
public:
    virtual ~SelectionDialogs() = default;

    /// The filter dialog filled with `criteria`; the accepted values, nothing on Cancel.
    /// `filterOn` false: the dialog says that the new criteria wait for the switch.
    virtual std::optional<FilterCriteria> RunFilterDialog(const FilterCriteria& /*criteria*/, bool /*filterOn*/) {
        return std::nullopt;
    }

    /// The Select dialog listing `names`: the list box line chosen with OK (-1 for OK in an
    /// empty list), nothing on Cancel.
    virtual std::optional<int> RunSelectPredefinedFilterDialog(const std::vector<std::string>& /*names*/) {
        return std::nullopt;
    }

    /// The Manage dialog, which changes the list through `manager` while it is open.
    virtual void RunManagePredefinedFiltersDialog(PredefinedFilterManager& /*manager*/) {}

    /// "ZOFAR  Go to Frequency", opening at 0; the checked frequency in kHz, nothing on Cancel.
    virtual std::optional<double> RunGoToFrequencyDialog() { return std::nullopt; }
    /// "ZOFAR  Go to " + `label`, empty and at "Substring"; the radios only in choice mode.
    virtual std::optional<GoToTextEntry> RunGoToTextDialog(const std::string& /*label*/, GoToMode /*mode*/) {
        return std::nullopt;
    }
};

}  // namespace zofar
