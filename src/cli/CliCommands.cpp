#include "cli/CliCommands.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>

#include "app/AppPaths.h"
#include "base/Clock.h"
#include "app/SettingsFile.h"
#include "cli/ConsoleUi.h"
#include "selection/ConditionBuilder.h"
#include "store/CZOFDoc.h"
#include "store/CreateDatabaseChecks.h"
#include "view/CellText.h"

namespace zofar::cli {

namespace {

constexpr int kUsageError = 2;

struct Options {
    std::map<std::string, std::string> values;  // --settings, --folder, --now
    std::map<std::string, bool> flags;          // --yes, --replace
    std::vector<std::string> positional;
};

std::optional<Options> Parse(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                             const std::vector<std::string>& flagOptions) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0 || a == "--") {
            o.positional.push_back(a);
            continue;
        }
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        if (std::find(flagOptions.begin(), flagOptions.end(), name) != flagOptions.end() && eq == std::string::npos) {
            o.flags[name] = true;
        } else if (std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end()) {
            if (eq != std::string::npos) {
                o.values[name] = a.substr(eq + 1);
            } else if (i + 1 < args.size()) {
                o.values[name] = args[++i];
            } else {
                std::fprintf(stderr, "zofar-cli: %s needs a value\n", name.c_str());
                return std::nullopt;
            }
        } else {
            std::fprintf(stderr, "zofar-cli: unknown option %s; see zofar-cli --help\n", a.c_str());
            return std::nullopt;
        }
    }
    return o;
}

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

// The settings the zofar program itself uses, unless a file is named.
std::string SettingsPath(const Options& o) {
    if (auto it = o.values.find("--settings"); it != o.values.end()) return it->second;
    const std::string exe = CurrentExecutablePath();
    const std::string zofar = (std::filesystem::path(exe).parent_path() / "zofar").string();
    return SettingsFilePath(zofar, SystemEnvironment());
}

std::string Folder(const Options& o) {
    if (auto it = o.values.find("--folder"); it != o.values.end()) {
        std::string f = it->second;
        if (f.empty() || f.back() != '/') f += '/';
        return f;
    }
    const std::string exe = CurrentExecutablePath();
    return DatabaseFolder((std::filesystem::path(exe).parent_path() / "zofar").string(), SystemEnvironment());
}

std::optional<FixedClock> ClockFor(const Options& o) {
    if (auto it = o.values.find("--now"); it != o.values.end()) {
        auto t = ParseNow(it->second);
        if (!t) {
            std::fprintf(stderr, "zofar-cli: --now takes a UTC time as YYYY-MM-DDTHH:MMZ, not \"%s\"\n",
                         it->second.c_str());
            return std::nullopt;
        }
        return FixedClock(*t);
    }
    return FixedClock(SystemClock().NowUtc());
}

}  // namespace

const char* UsageText() {
    return "usage: zofar-cli COMMAND [OPTIONS] ARGUMENTS\n"
           "\n"
           "Commands:\n"
           "  import [--folder DIR] [--yes] [--replace] LIST NAME\n"
           "      Builds the database NAME.mdb from the ILG text list LIST, as Database > Create does.\n"
           "      --folder DIR  the database folder (default: the zofar program's database folder)\n"
           "      --yes         go on when the first line is too short for an ILG list\n"
           "      --replace     replace an existing database of that name\n"
           "  condition [--settings FILE] [--now YYYY-MM-DDTHH:MMZ]\n"
           "      Prints the filter condition for the criteria and switch in the settings file\n"
           "      (default: the zofar program's settings file).\n"
           "  list [--settings FILE] [--folder DIR] [--now YYYY-MM-DDTHH:MMZ] NAME\n"
           "      Prints the records the list shows for that filter and the settings' sort key, one\n"
           "      line per record: the 24 list fields, then UNIQUEID, separated by TAB.\n"
           "\n"
           "--now fixes the clock of the on-air-now criterion and nothing else.\n";
}

int RunImport(const std::vector<std::string>& args) {
    auto o = Parse(args, {"--folder"}, {"--yes", "--replace"});
    if (!o) return kUsageError;
    if (o->positional.size() != 2) {
        std::fputs("zofar-cli: import takes a LIST and a NAME; see zofar-cli --help\n", stderr);
        return kUsageError;
    }
    const std::filesystem::path list = std::filesystem::absolute(o->positional[0]);
    const std::string name = o->positional[1];
    const std::string folder = Folder(*o);

    ConsoleUi ui;
    ui.answerYes = o->flags["--yes"];
    const bool replace = o->flags["--replace"];
    CreateCheckPrompts prompts{[&ui](const std::string& text) { ui.ShowMessage(text); },
                               [replace](const std::string&) { return replace; }};
    const CreateCheckResult check = CheckCreateDatabase(name, list.string(), ListDatabaseNames(folder), prompts);
    if (!check.accepted) return 1;

    CreateDatabaseRequest request;
    request.name = name;
    request.sourcePath = list.string();
    request.sourceFolder = list.parent_path().string() + "/";
    request.sourceFileName = list.filename().string();
    request.replace = check.replace;
    ui.createRequest = request;

    SystemClock clock;
    CZOFDoc doc(ui, clock, DocumentPaths{"", folder});
    doc.OnDatabaseCreate();
    if (!doc.IsOpen()) return 1;
    std::printf("%d records stored in %s%s.mdb\n", doc.RecordCount(), folder.c_str(), name.c_str());
    return 0;
}

int RunCondition(const std::vector<std::string>& args) {
    auto o = Parse(args, {"--settings", "--now"}, {});
    if (!o) return kUsageError;
    if (!o->positional.empty()) {
        std::fputs("zofar-cli: condition takes no arguments; see zofar-cli --help\n", stderr);
        return kUsageError;
    }
    auto clock = ClockFor(*o);
    if (!clock) return kUsageError;
    DocumentSettings settings;
    LoadSettingsFile(SettingsPath(*o), settings);
    std::printf("%s\n",
                ConditionBuilder::BuildFilterCondition(settings.criteria, settings.bFilter, clock->NowUtc()).c_str());
    return 0;
}

int RunList(const std::vector<std::string>& args) {
    auto o = Parse(args, {"--settings", "--folder", "--now"}, {});
    if (!o) return kUsageError;
    if (o->positional.size() != 1) {
        std::fputs("zofar-cli: list takes a database NAME; see zofar-cli --help\n", stderr);
        return kUsageError;
    }
    auto clock = ClockFor(*o);
    if (!clock) return kUsageError;
    ConsoleUi ui;
    CZOFDoc doc(ui, *clock, DocumentPaths{SettingsPath(*o), Folder(*o)});
    DocumentSettings& settings = doc.Settings();
    LoadSettingsFile(doc.Paths().settingsFile, settings);
    if (settings.sort.empty()) settings.sort = "FREQ";
    RecordStore& store = doc.Store();
    const std::string& name = o->positional[0];
    store.OpenBrowseSet(doc.Paths().databaseFolder + name + ".mdb", name, BuildSelectText(),
                        BuildSortText(settings.sort), doc.BuildFilterCondition());
    if (!store.IsOpen()) return 1;
    std::string line;
    for (int row = 0; row < store.RecordCount(); ++row) {
        line.clear();
        for (int field = 0; field < kFieldCount; ++field) {
            line += CellText(store.GetFieldValue(row, field));
            line += '\t';
        }
        line += std::to_string(std::get<int64_t>(store.GetFieldValue(row, kUniqueIdField)));
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}

}  // namespace zofar::cli
