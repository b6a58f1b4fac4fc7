#pragma once

#include <optional>
#include <string>

namespace zofar {

/// The document's operations on its list of named filters, for the dialogs that change the
/// list while they are open. Entries are addressed by their 0-based list index, which is also
/// their line in the dialogs' list boxes.
class PredefinedFilterOperations {
public:
    virtual ~PredefinedFilterOperations() = default;

    /// The name of the entry at `index`; nothing when there is none.
    virtual std::optional<std::string> PredefinedFilterName(int index) const = 0;
    /// Adds an entry named `name` holding the current criteria directly after the entry at
    /// `index`, or as the only entry of an empty list. False, with nothing added, when `index`
    /// is below 0 or names no entry of a non-empty list.
    virtual bool CreatePredefinedFilter(int index, const std::string& name) = 0;
    /// Removes the entry at `index`; an index without an entry changes nothing.
    virtual void DeletePredefinedFilter(int index) = 0;
};

}  // namespace zofar
