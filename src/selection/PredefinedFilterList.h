#pragma once

#include <optional>
#include <string>
#include <vector>

#include "selection/CPredefFilter.h"
#include "selection/FilterCriteria.h"

namespace zofar {

/// The named filters in the order the user arranged them; never sorted. Entries are addressed
/// by their 0-based index, which is also their line in the dialogs' list boxes.
class PredefinedFilterList {
public:
    PredefinedFilterList() = default;
    explicit PredefinedFilterList(std::vector<CPredefFilter> entries) : entries_(std::move(entries)) {}

    /// Adds a filter named `name` holding a copy of `current`. In an empty list it becomes the
    /// only entry whatever `index` is (0 or more); otherwise it goes directly after the entry
    /// at `index`, so a new filter is never first in a non-empty list. False, with the list
    /// unchanged, when `index` is below 0 or names no entry of a non-empty list.
    bool Create(int index, std::string name, const FilterCriteria& current);

    /// Removes the entry at `index`; an index without an entry changes nothing.
    void Delete(int index);

    /// The name of the entry at `index`; nothing when there is none, which ends a walk over
    /// the names from index 0.
    std::optional<std::string> Name(int index) const;

    /// The entry at `index`, or null when there is none. The pointer is valid until the list
    /// changes.
    const CPredefFilter* At(int index) const;

    int Count() const { return static_cast<int>(entries_.size()); }

    std::vector<CPredefFilter>::const_iterator begin() const { return entries_.begin(); }
    std::vector<CPredefFilter>::const_iterator end() const { return entries_.end(); }

private:
    std::vector<CPredefFilter> entries_;
};

}  // namespace zofar
