#include "import/ScheduleLineImport.h"

#include <algorithm>
#include <climits>
#include <string>

#include "base/TextLines.h"
#include "import/ScheduleFields.h"

namespace zofar {

namespace {

constexpr long long kProgressStep = 100;

int ClampToInt(long long n) { return static_cast<int>(std::min<long long>(n, INT_MAX)); }

long long CountLines(std::string_view text) {
    if (text.empty()) return 0;
    const auto newlines = static_cast<long long>(std::count(text.begin(), text.end(), '\n'));
    return newlines + (text.back() == '\n' ? 0 : 1);
}

}  // namespace

EibiImportResult ImportScheduleLines(std::string_view text, const std::function<ScheduleLine(std::string_view)>& read,
                                     RecordSink& sink, ImportUi& ui, ImportProgress& progress,
                                     std::string_view noValidLine) {
    EibiImportResult result;
    progress.SetRange(0, ClampToInt(CountLines(text)));
    long long counter = 1;
    TextLines lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        if (!TrimBlanks(line).empty()) {
            const ScheduleLine got = read(line);
            if (got.record) {
                if (!sink.AddRecord(*got.record)) return result;
                ++result.stored;
            } else if (got.counts) {
                ++result.skipped;
            }
        }
        if (counter % kProgressStep == 0) progress.SetPosition(ClampToInt(counter));
        ++counter;
    }
    if (result.stored == 0) {
        ui.ShowMessage(std::string(noValidLine));
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace zofar
