#include "import/AokiImporter.h"

#include <array>
#include <optional>

#include "base/TextEncoding.h"
#include "import/AokiRecord.h"
#include "import/OpenProgressWindow.h"
#include "import/ScheduleFiles.h"
#include "import/ScheduleLineImport.h"

namespace zofar {

namespace {

constexpr std::array<std::string_view, 1> kTables = {HfccCodeTables::kAdministrations};
const ScheduleFileRules kFileRules{IsAokiListHead, kTables, kAokiOpenErrorMessage, "Aoki list"};

EibiImportResult ImportText(std::string_view list, const HfccCodeTables* countries, RecordSink& sink, ImportUi& ui,
                            ImportProgress& progress) {
    const std::string text = ToUtf8Guessing(WithoutByteOrderMark(list));
    std::optional<AokiColumns> columns;
    const auto read = [&columns, countries](std::string_view line) {
        if (auto header = AokiColumns::FromHeader(line)) {
            columns = header;
            return ScheduleLine{std::nullopt, false};
        }
        // The season's title and notes stand before the first header.
        if (!columns) return ScheduleLine{std::nullopt, false};
        return ScheduleLine{ParseAokiLine(line, *columns, countries), true};
    };
    return ImportScheduleLines(text, read, sink, ui, progress, kAokiNoValidLineMessage);
}

}  // namespace

EibiImportResult ImportAokiText(std::string_view list, const HfccCodeTables* countries, RecordSink& sink,
                                ImportUi& ui) {
    const auto progress = OpenProgressWindow(ui);
    return ImportText(list, countries, sink, ui, *progress);
}

EibiImportResult ImportAoki(const std::string& path, const std::string& codesFolder, RecordSink& sink, ImportUi& ui,
                            std::size_t maxBytes) {
    const auto progress = OpenProgressWindow(ui);
    std::string message;
    const auto files = ReadScheduleFiles(path, codesFolder, kFileRules, maxBytes, message);
    if (!files) {
        ui.ShowMessage(message);
        return {};
    }
    const HfccCodeTables countries = HfccCodeTables::Parse(files->tables);
    return ImportText(files->schedule, &countries, sink, ui, *progress);
}

bool HoldsAokiList(const std::string& path) { return HoldsSchedule(path, IsAokiListHead); }

}  // namespace zofar
