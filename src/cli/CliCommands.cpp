#include "cli/CliCommands.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>

#include "app/AppPaths.h"
#include "base/Clock.h"
#include "cli/ConsoleUi.h"
#include "cli/NamedFilter.h"
#include "import/SourceKindOfFile.h"
#include "output/OutputOptions.h"
#include "selection/ConditionBuilder.h"
#include "selection/PredefinedFilterDialogChecks.h"
#include "document/CZOFDoc.h"
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

int SourceKindNamed(const std::string& kind, const std::filesystem::path& list) {
    if (kind == "text") return kSourceText;
    if (kind == "dbase") return kSourceDbase;
    if (kind == "eibi") return kSourceEibi;
    return SourceKindOfFile(list.filename().string());
}

}  // namespace

int RunImport(const ImportOptions& o) {
    const std::filesystem::path list = std::filesystem::absolute(o.list);
    const std::string folder = Folder(o.folder);
    const int kind = SourceKindNamed(o.kind, list);
    if (!o.codes.empty() && kind != kSourceEibi) {
        std::fprintf(stderr, "zofar-cli: --codes belongs to an EiBi list (--kind eibi, or a LIST ending in .csv)\n");
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
    if (kind == kSourceEibi) {
        // The status text of an EiBi import has both counts, the stored and the skipped lines.
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

int RunList(const CommonOptions& o, const std::string& name) {
    auto clock = ClockFor(o);
    if (!clock) return kUsageError;
    ConsoleUi ui;
    CZOFDoc doc(DocumentScreen::Of(ui), *clock, LookingPaths(o, SettingsPath(o), Folder(o.folder)));
    doc.LoadSettings();
    if (!o.filter.empty() && !UseNamedFilter(doc, o.filter)) return kUsageError;
    if (!IsPlainDatabaseName(name) || !doc.ReopenDatabase(name)) return 1;
    const RecordStore& store = doc.Store();
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
        // The extra fields follow UNIQUEID, so the first 25 columns mean the same for every database.
        for (int field = kFirstExtensionField; field < kAllFieldCount; ++field) {
            if (!store.Columns().Has(field)) continue;
            line += '\t';
            line += CellText((*values)[static_cast<size_t>(field)]);
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
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

int RunCopy(const CommonOptions& o, const std::string& name) {
    ConsoleUi ui;
    ui.outputScope = kScopeAll;
    return RunDocumentCommand(o, name, ui, CommandId::Clipboard);
}

}  // namespace zofar::cli
