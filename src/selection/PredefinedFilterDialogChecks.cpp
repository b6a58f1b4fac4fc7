#include "selection/PredefinedFilterDialogChecks.h"

#include "base/TextEncoding.h"
#include "selection/CPredefFilter.h"
#include "selection/PredefinedFilterFile.h"

namespace zofar {

std::vector<std::string> PredefinedFilterDialogChecks::ListNames(const PredefinedFilterOperations& operations) {
    std::vector<std::string> names;
    for (int index = 0;; ++index) {
        auto name = operations.PredefinedFilterName(index);
        if (!name) return names;
        names.push_back(std::move(*name));
    }
}

std::optional<std::string> PredefinedFilterDialogChecks::CheckSelection(int selected, int lineCount) {
    if (selected < 0 && lineCount > 0) return std::string(kSelectFilter);
    return std::nullopt;
}

std::optional<std::string> PredefinedFilterDialogChecks::CheckFilterName(const std::string& name,
                                                                         const FilterCriteria& current) {
    if (name.empty()) return std::string(kEnterName);
    if (!IsStorableFilterName(name)) return std::string(kUnstorableFilterNameMessage);
    if (Utf8Length(FormatPredefinedFilterLine(CPredefFilter{name, current})) > kPredefinedFilterMaxLineChars) {
        return std::string(kFilterTooLong);
    }
    return std::nullopt;
}

}  // namespace zofar
