#pragma once

#include <optional>
#include <string>
#include <vector>

#include "selection/FilterCriteria.h"
#include "selection/PredefinedFilterOperations.h"
#include "selection/PredefinedFilterPrompts.h"

namespace zofar {

/// The rules of the Manage dialog's buttons: which message each shows, where a new filter
/// goes, and when the list box is to be refilled. The dialog calls them with the line that is
/// selected and shows what they ask through its PredefinedFilterPrompts.
class PredefinedFilterManager {
public:
    /// `operations` and `current` (the criteria a new filter takes) must outlive the manager.
    PredefinedFilterManager(PredefinedFilterOperations& operations, const FilterCriteria& current)
        : operations_(operations), current_(current) {}

    /// The list box's lines, the names in list order.
    std::vector<std::string> Names() const;

    /// "Create Filter" with list box line `selected` (-1 for none): asks for a name and puts
    /// the new filter directly after the selected line, or makes it the only line of an empty
    /// list. True when a filter was added, so the list box is to be refilled.
    bool CreateFilter(int selected, PredefinedFilterPrompts& prompts);

    /// "Delete Filter" with list box line `selected` (-1 for none): asks first. True when the
    /// filter was deleted, so the list box is to be refilled.
    bool DeleteFilter(int selected, PredefinedFilterPrompts& prompts);

    /// The check the name dialog runs on OK.
    std::optional<std::string> CheckName(const std::string& name) const;

private:
    bool ListIsEmpty() const { return !operations_.PredefinedFilterName(0); }

    PredefinedFilterOperations& operations_;
    const FilterCriteria& current_;
};

}  // namespace zofar
