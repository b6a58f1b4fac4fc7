#include "selection/PredefinedFilterList.h"

#include <utility>

namespace zofar {

bool PredefinedFilterList::Create(int index, std::string name, const FilterCriteria& current) {
    if (index < 0) return false;
    CPredefFilter entry{std::move(name), current};
    if (entries_.empty()) {
        entries_.push_back(std::move(entry));
        return true;
    }
    if (index >= Count()) return false;
    entries_.insert(entries_.begin() + index + 1, std::move(entry));
    return true;
}

void PredefinedFilterList::Delete(int index) {
    if (index >= 0 && index < Count()) entries_.erase(entries_.begin() + index);
}

std::optional<std::string> PredefinedFilterList::Name(int index) const {
    if (const CPredefFilter* entry = At(index)) return entry->name;
    return std::nullopt;
}

const CPredefFilter* PredefinedFilterList::At(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &entries_[static_cast<std::size_t>(index)];
}

}  // namespace zofar
