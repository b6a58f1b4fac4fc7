#include "cli/NamedFilter.h"

#include <cstdio>

#include "selection/PredefinedFilterFile.h"

namespace zofar::cli {

bool UseNamedFilter(CZOFDoc& doc, const std::string& name) {
    for (int index = 0;; ++index) {
        const auto entry = doc.PredefinedFilterName(index);
        if (!entry) break;
        if (*entry != name) continue;
        if (!doc.FilterIsOn()) doc.Execute(CommandId::DisableFilter);
        doc.ApplyPredefinedFilter(index);
        return true;
    }
    std::fprintf(stderr, "zofar-cli: no predefined filter is named \"%s\" in %s\n", name.c_str(),
                 doc.Paths().filterFile.c_str());
    return false;
}

std::string PrintableFilterName(const std::string& name) { return StorableFilterText(name); }

}  // namespace zofar::cli
