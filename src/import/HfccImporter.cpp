#include "import/HfccImporter.h"

#include "base/TextEncoding.h"
#include "import/HfccRecord.h"
#include "import/OpenProgressWindow.h"
#include "import/ScheduleFiles.h"
#include "import/ScheduleLineImport.h"

namespace zofar {

namespace {

const ScheduleFileRules kFileRules{IsHfccScheduleHead, HfccCodeTables::kFileNames, kHfccOpenErrorMessage, "HFCC schedule"};

EibiImportResult ImportText(std::string_view schedule, const HfccCodeTables* tables, RecordSink& sink, ImportUi& ui,
                            ImportProgress& progress) {
    const auto read = [tables](std::string_view line) {
        if (line.front() == ';') return ScheduleLine{std::nullopt, false};
        return ScheduleLine{ParseHfccLine(line, tables), true};
    };
    return ImportScheduleLines(WithoutByteOrderMark(schedule), read, sink, ui, progress, kHfccNoValidLineMessage);
}

}  // namespace

EibiImportResult ImportHfccText(std::string_view schedule, const HfccCodeTables* tables, RecordSink& sink,
                                ImportUi& ui) {
    const auto progress = OpenProgressWindow(ui);
    return ImportText(schedule, tables, sink, ui, *progress);
}

EibiImportResult ImportHfcc(const std::string& path, const std::string& codesFolder, RecordSink& sink, ImportUi& ui,
                            std::size_t maxBytes) {
    const auto progress = OpenProgressWindow(ui);
    std::string message;
    const auto files = ReadScheduleFiles(path, codesFolder, kFileRules, maxBytes, message);
    if (!files) {
        ui.ShowMessage(message);
        return {};
    }
    const HfccCodeTables tables = HfccCodeTables::Parse(files->tables);
    return ImportText(files->schedule, &tables, sink, ui, *progress);
}

bool HoldsHfccSchedule(const std::string& path) { return HoldsSchedule(path, IsHfccScheduleHead); }

}  // namespace zofar
