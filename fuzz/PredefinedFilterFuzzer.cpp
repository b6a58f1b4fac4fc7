// The named filters' file read from any bytes and written again: the written file reads back
// whole, entry for entry, and writing it once more gives the same lines.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "selection/PredefinedFilterFile.h"

using namespace zofar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const PredefinedFilterLoad load = ParsePredefinedFilterText(fuzz::Bytes(data, size));
    fuzz::Check(load.entries.size() <= kPredefinedFilterMaxEntries, "more entries than the cap");

    std::vector<std::string> lines;
    std::string file;
    for (const CPredefFilter& entry : load.entries) {
        lines.push_back(FormatPredefinedFilterLine(entry));
        file += lines.back();
    }
    const PredefinedFilterLoad again = ParsePredefinedFilterText(file);
    fuzz::Check(!again.keepOldOnSave, "a written file does not read back whole");
    fuzz::Check(again.entries.size() == load.entries.size(), "a written file reads back another number of entries");
    for (std::size_t i = 0; i < again.entries.size(); ++i) {
        fuzz::Check(FormatPredefinedFilterLine(again.entries[i]) == lines[i], "an entry reads back otherwise");
        const std::optional<CPredefFilter> line = ParsePredefinedFilterLine(lines[i]);
        fuzz::Check(line && *line == again.entries[i], "a line reads otherwise alone than in its file");
    }
    return 0;
}
