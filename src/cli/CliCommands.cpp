#include "cli/CliCommands.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>

#include "app/AppPaths.h"
#include "geo/LocationSettings.h"
#include "base/Clock.h"
#include "cli/ConsoleUi.h"
#include "cli/NamedFilter.h"
#include "geo/MaidenheadLocator.h"
#include "geo/PathCells.h"
#include "export/ExportDialogs.h"
#include "import/SourceKindOfFile.h"
#include "output/ColumnChoice.h"
#include "import/SourceKinds.h"
#include "output/OutputOptions.h"
#include "selection/ConditionBuilder.h"
#include "selection/PredefinedFilterDialogChecks.h"
#include "document/CZOFDoc.h"
#include "store/ColumnTable.h"
#include "store/CreateDatabaseChecks.h"
#include "view/CellText.h"

namespace zofar::cli {

namespace {

// "YYYY-MM-DDTHH:MMZ", a moment in UTC.
std::optional<UtcTime> ParseNow(const std::string& text) {
    std::tm tm{};
    char zone = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d%c%n", &tm.tm_year, &tm.tm_mon, &tm.tm_mday, &tm.tm_hour,
                    &tm.tm_min, &zone, &consumed) != 6 ||
        zone != 'Z' || static_cast<size_t>(consumed) != text.size()) {
        return std::nullopt;
    }
    if (tm.tm_mon < 1 || tm.tm_mon > 12 || tm.tm_mday < 1 || tm.tm_mday > 31 || tm.tm_hour > 23 || tm.tm_min > 59)
        return std::nullopt;
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    const int day = tm.tm_mday;
    const UtcTime u = UtcTimeFromEpoch(timegm(&tm));
    if (u.day != day) return std::nullopt;  // 31 February and the like
    return u;
}

// The zofar program beside this tool, whose files the tool uses unless others are named.
std::string ZofarProgramPath() {
    return (std::filesystem::path(CurrentExecutablePath()).parent_path() / "zofar").string();
}

std::string SettingsPath(const CommonOptions& o) {
    if (!o.settings.empty()) return o.settings;
    return SettingsFilePath(ZofarProgramPath(), SystemEnvironment());
}

std::string Folder(const std::string& folder) {
    if (!folder.empty()) return folder.back() == '/' ? folder : folder + "/";
    return DatabaseFolderPath(ZofarProgramPath(), SystemEnvironment());
}

std::string FilterFile(const CommonOptions& o) {
    if (!o.file.empty()) return o.file;
    return FilterFilePath(ZofarProgramPath(), SystemEnvironment());
}

// The document's files for a command that only looks: the named filters' file is read when a
// filter is asked for, and never written.
DocumentPaths LookingPaths(const CommonOptions& o, std::string settings, std::string folder) {
    DocumentPaths paths{std::move(settings), std::move(folder)};
    if (!o.filter.empty()) paths.filterFile = FilterFile(o);
    paths.saveFilterFile = false;
    return paths;
}

std::optional<FixedClock> ClockFor(const CommonOptions& o) {
    if (o.now.empty()) return FixedClock(SystemClock().NowUtc());
    auto t = ParseNow(o.now);
    if (!t) {
        std::fprintf(stderr, "zofar-cli: --now takes a UTC time as YYYY-MM-DDTHH:MMZ, not \"%s\"\n", o.now.c_str());
        return std::nullopt;
    }
    return FixedClock(*t);
}

// The location the list's distances are measured from: --locator, else the settings'.
std::optional<ListenerLocation> DistanceOrigin(const CommonOptions& o, const DistanceOptions& d) {
    if (!d.locator.empty()) {
        LocationReading reading = ReadLocator(d.locator);
        if (!reading.location) std::fprintf(stderr, "zofar-cli: %s\n", reading.message.c_str());
        return reading.location;
    }
    auto location = LoadLocationFile(SettingsPath(o)).location;
    if (!location) {
        std::fprintf(stderr,
                     "zofar-cli: --with-distance needs the listener's location: set it in the program or give "
                     "--locator\n");
    }
    return location;
}

// The kind --kind names, else the one the list seems to be.
int ChosenSourceKind(const std::string& kind, const std::filesystem::path& list) {
    if (const auto named = SourceKindNamed(kind)) return *named;
    return SourceKindOfFile(list.string());
}

// "--kind eibi, hfcc or aoki": the kinds that have code tables.
std::string KindsWithCodes() {
    std::vector<std::string_view> names;
    for (const SourceKind& k : SourceKinds()) {
        if (k.codes != CodesArgument::None) names.push_back(k.commandName);
    }
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

// The rows of the selection, one line each: the 24 list fields, then UNIQUEID, TAB between.
int PrintRows(const RecordStore& store, const std::optional<ListenerLocation>* origin) {
    const auto longiField = static_cast<size_t>(*ColumnNumber("LONGI") - 1);
    const auto latiField = static_cast<size_t>(*ColumnNumber("LATI") - 1);
    std::string line;
    for (int row = 0; row < store.RecordCount(); ++row) {
        const auto values = store.ReadRow(row);
        if (!values) return 1;
        line.clear();
        for (int field = 0; field < kFieldCount; ++field) {
            line += CellText((*values)[static_cast<size_t>(field)]);
            line += '\t';
        }
        line += CellText((*values)[kUniqueIdField]);
        // The stored extra fields follow UNIQUEID, so the first 25 columns mean the same for every
        // database; the computed ones come only when asked for.
        for (int field = kFirstExtensionField; field < kFirstComputedField; ++field) {
            if (!store.Columns().Has(field)) continue;
            line += '\t';
            line += CellText((*values)[static_cast<size_t>(field)]);
        }
        if (origin) {
            const PathCellTexts cells = PathCells(*origin, TextOf((*values)[latiField]), TextOf((*values)[longiField]));
            line += '\t' + cells.distance + '\t' + cells.bearing;
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}

}  // namespace

std::string SettingsFileOf(const CommonOptions& options) { return SettingsPath(options); }

std::string DatabaseFolderOf(const std::string& folder) { return Folder(folder); }

int RunImport(const ImportOptions& o) {
    const std::filesystem::path list = std::filesystem::absolute(o.list);
    const std::string folder = Folder(o.folder);
    const int kind = ChosenSourceKind(o.kind, list);
    if (!o.codes.empty() && SourceKindOf(kind).codes == CodesArgument::None) {
        std::fprintf(stderr, "zofar-cli: --codes belongs to a list with code tables (--kind %s)\n",
                     KindsWithCodes().c_str());
        return kUsageError;
    }

    ConsoleUi ui;
    ui.answerYes = o.yes;
    const bool replace = o.replace;
    CreateCheckPrompts prompts{[&ui](const std::string& text) { ui.ShowMessage(text); },
                               [replace](const std::string&) { return replace; }};
    const DatabaseFolder databases(folder);
    const CreateCheckResult check =
        CheckCreateDatabase(o.name, list.string(), databases.Names(), prompts, databases.LongestName());
    if (!check.accepted) return 1;

    CreateDatabaseRequest request;
    request.name = o.name;
    request.sourcePath = list.string();
    request.sourceFolder = list.parent_path().string() + "/";
    request.sourceFileName = list.filename().string();
    request.sourceKind = kind;
    if (!o.codes.empty()) request.codesPath = std::filesystem::absolute(o.codes).string();
    request.replace = check.replace;
    ui.createRequest = request;

    SystemClock clock;
    CZOFDoc doc(DocumentScreen::Of(ui), clock, DocumentPaths{"", folder});
    doc.OnDatabaseCreate();
    if (!doc.IsOpen()) return 1;
    if (SourceKindOf(kind).countsLines) {
        // The status text of such an import has both counts, the stored and the skipped lines.
        std::printf("%s%s.mdb: %s\n", folder.c_str(), o.name.c_str(), ui.lastStatus.c_str());
    } else {
        std::printf("%d records stored in %s%s.mdb\n", doc.RecordCount(), folder.c_str(), o.name.c_str());
    }
    return 0;
}

int RunCondition(const CommonOptions& o) {
    auto clock = ClockFor(o);
    if (!clock) return kUsageError;
    ConsoleUi ui;
    CZOFDoc doc(DocumentScreen::Of(ui), *clock, LookingPaths(o, SettingsPath(o), ""));
    doc.LoadSettings();
    if (!o.filter.empty() && !UseNamedFilter(doc, o.filter)) return kUsageError;
    std::printf("%s\n", doc.BuildFilterCondition().c_str());
    return 0;
}

int WithSelection(const CommonOptions& o, const std::string& name,
                  const std::function<int(const CZOFDoc& doc, const UtcTime& now)>& use) {
    auto clock = ClockFor(o);
    if (!clock) return kUsageError;
    ConsoleUi ui;
    CZOFDoc doc(DocumentScreen::Of(ui), *clock, LookingPaths(o, SettingsPath(o), Folder(o.folder)));
    doc.LoadSettings();
    if (!o.filter.empty() && !UseNamedFilter(doc, o.filter)) return kUsageError;
    if (!IsPlainDatabaseName(name) || !doc.ReopenDatabase(name)) return 1;
    return use(doc, clock->NowUtc());
}

int RunList(const CommonOptions& o, const std::string& name, const DistanceOptions& d) {
    if (!ClockFor(o)) return kUsageError;
    std::optional<ListenerLocation> origin;
    if (d.withDistance && !(origin = DistanceOrigin(o, d))) return 1;
    return WithSelection(o, name, [&](const CZOFDoc& doc, const UtcTime&) {
        return PrintRows(doc.Store(), d.withDistance ? &origin : nullptr);
    });
}

int RunFilters(const CommonOptions& o) {
    ConsoleUi ui;
    SystemClock clock;
    DocumentPaths paths{"", ""};
    paths.filterFile = FilterFile(o);
    paths.saveFilterFile = false;
    const CZOFDoc doc(DocumentScreen::Of(ui), clock, paths);
    for (const std::string& name : PredefinedFilterDialogChecks::ListNames(doc)) {
        const std::string line = PrintableFilterName(name) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}

}  // namespace zofar::cli

namespace zofar::cli {

int RunDocumentCommand(const CommonOptions& o, const std::string& name, ConsoleUi& ui, CommandId command) {
    auto clock = ClockFor(o);
    if (!clock) return kUsageError;
    CZOFDoc doc(DocumentScreen::Of(ui), *clock, DocumentPaths{SettingsPath(o), Folder(o.folder)});
    doc.LoadSettings();
    if (!IsPlainDatabaseName(name) || !doc.ReopenDatabase(name)) return 1;
    doc.Execute(command);
    return ui.messagesShown > 0 ? 1 : 0;
}

int RunExport(const CommonOptions& o, const ExportOptions& e) {
    auto clock = ClockFor(o);
    if (!clock) return kUsageError;
    ExportChoices choices;
    choices.format = e.format == "gqrx"    ? ExportFormat::Gqrx
                     : e.format == "sdrpp" ? ExportFormat::Sdrpp
                                           : ExportFormat::Csv;
    choices.scopeIndex = kScopeAll - 1;
    ColumnFlags every{};
    every.fill(true);
    choices.columns = BuildColumnChoice(ColumnLayout{}, every);
    choices.checks.assign(choices.columns.offered.size(), true);
    choices.paths[static_cast<std::size_t>(choices.format)] = e.out;
    choices.merge = e.merge;
    ConsoleUi ui;
    ui.exportAnswer = choices;

    CZOFDoc doc(DocumentScreen::Of(ui), *clock, LookingPaths(o, SettingsPath(o), Folder(o.folder)));
    doc.LoadSettings();
    if (!o.filter.empty() && !UseNamedFilter(doc, o.filter)) return kUsageError;
    if (!IsPlainDatabaseName(e.name) || !doc.ReopenDatabase(e.name)) return 1;
    doc.Execute(CommandId::Export);
    if (ui.messagesShown > 0) return 1;
    std::printf("%s\n", ui.lastStatus.c_str());
    return 0;
}

int RunCopy(const CommonOptions& o, const std::string& name) {
    ConsoleUi ui;
    ui.outputScope = kScopeAll;
    return RunDocumentCommand(o, name, ui, CommandId::Clipboard);
}

}  // namespace zofar::cli
