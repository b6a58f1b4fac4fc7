#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "chart/BandPresets.h"
#include "cli/CliChart.h"
#include "cli/CliCommands.h"
#include "cli/CliFetch.h"
#include "cli/CliPrint.h"
#include "import/SourceKinds.h"

namespace {

using namespace zofar::cli;

std::vector<std::string> KindNames() {
    std::vector<std::string> names;
    for (const zofar::SourceKind& kind : zofar::SourceKinds()) names.emplace_back(kind.commandName);
    return names;
}

std::string KindHelp() {
    std::string help = "The kind of LIST:";
    for (const zofar::SourceKind& kind : zofar::SourceKinds()) {
        help.append(" ").append(kind.commandName).append(" (").append(kind.extensions).append("),");
    }
    help.back() = '.';
    return help + " Default: by its extension and, where kinds share one, by what the file holds; else text";
}

std::string CodesHelp() {
    std::string help = "The code tables of LIST:";
    for (const zofar::SourceKind& kind : zofar::SourceKinds()) {
        if (kind.codes == zofar::CodesArgument::None) continue;
        help.append(" for ").append(kind.commandName).append(", ").append(kind.codesHelp).append(";");
    }
    help.back() = '.';
    return help;
}

void AddSettingsOption(CLI::App& command, CommonOptions& o) {
    command.add_option("--settings", o.settings, "The settings file (default: the zofar program's own)");
}

void AddFolderOption(CLI::App& command, std::string& folder) {
    command.add_option("--folder", folder, "The database folder (default: the zofar program's own)");
}

void AddNowOption(CLI::App& command, CommonOptions& o) {
    command.add_option("--now", o.now, "Fixes the clock, a UTC time as YYYY-MM-DDTHH:MMZ (default: now)");
}

void AddFilterFileOption(CLI::App& command, CommonOptions& o) {
    command.add_option("--file", o.file, "The named filters' file (default: the zofar program's own)");
}

void AddNamedFilterOptions(CLI::App& command, CommonOptions& o) {
    command.add_option("--filter", o.filter,
                       "Uses the first named filter of this name, with the filter on, instead of the settings' "
                       "criteria");
    AddFilterFileOption(command, o);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"zofar-cli: the ZOFAR schedule databases from the command line.", "zofar-cli"};
    app.require_subcommand(1);
    int status = 0;

    ImportOptions import;
    CLI::App* importCommand = app.add_subcommand(
        "import",
        "Builds the database NAME.mdb from the list LIST (an ILG text list, an ILG dBASE table, an EiBi "
        "schedule, an HFCC schedule or an Aoki list, a season's zip or its text), as Database > Create does.");
    AddFolderOption(*importCommand, import.folder);
    importCommand->add_option("--kind", import.kind, KindHelp())->check(CLI::IsMember(KindNames()));
    importCommand->add_option("--codes", import.codes, CodesHelp());
    importCommand->add_flag("--yes", import.yes, "Go on when the first line is too short for an ILG list");
    importCommand->add_flag("--replace", import.replace, "Replace an existing database of that name");
    importCommand->add_option("LIST", import.list, "The list to import")->required();
    importCommand->add_option("NAME", import.name, "The name of the new database")->required();
    importCommand->callback([&] { status = RunImport(import); });

    CommonOptions condition;
    CLI::App* conditionCommand = app.add_subcommand(
        "condition", "Prints the filter condition for the criteria and the switch in the settings file.");
    AddSettingsOption(*conditionCommand, condition);
    AddNowOption(*conditionCommand, condition);
    AddNamedFilterOptions(*conditionCommand, condition);
    conditionCommand->callback([&] { status = RunCondition(condition); });

    CommonOptions list;
    DistanceOptions listDistance;
    std::string listName;
    CLI::App* listCommand = app.add_subcommand(
        "list",
        "Prints the records the list shows for the settings' filter and sort key, one line per record: "
        "the 24 list fields, then UNIQUEID, separated by TAB.");
    AddSettingsOption(*listCommand, list);
    AddFolderOption(*listCommand, list.folder);
    AddNowOption(*listCommand, list);
    AddNamedFilterOptions(*listCommand, list);
    CLI::Option* withDistance = listCommand->add_flag(
        "--with-distance", listDistance.withDistance,
        "Appends DISTANCE (km) and BEARING (degrees) from the listener's location to each line, empty where LATI "
        "or LONGI do not read");
    listCommand
        ->add_option("--locator", listDistance.locator,
                     "Measures from this Maidenhead locator (such as JO62qm) instead of the settings' location")
        ->needs(withDistance);
    listCommand->add_option("NAME", listName, "The database")->required();
    listCommand->callback([&] { status = RunList(list, listName, listDistance); });

    CommonOptions filters;
    CLI::App* filtersCommand =
        app.add_subcommand("filters", "Prints the names of the named filters in list order, one per line.");
    AddFilterFileOption(*filtersCommand, filters);
    filtersCommand->callback([&] { status = RunFilters(filters); });

    CommonOptions copy;
    std::string copyName;
    CLI::App* copyCommand = app.add_subcommand(
        "copy",
        "Prints what Database > Clipboard copies for \"All records\": one line per record with the columns, "
        "column order and separator of the settings, in the settings' filter and sort, then one line feed.");
    AddSettingsOption(*copyCommand, copy);
    AddFolderOption(*copyCommand, copy.folder);
    AddNowOption(*copyCommand, copy);
    copyCommand->add_option("NAME", copyName, "The database")->required();
    copyCommand->callback([&] { status = RunCopy(copy, copyName); });

    CommonOptions exportCommon;
    ExportOptions exportOptions;
    CLI::App* exportCommand = app.add_subcommand(
        "export",
        "Writes the records the list shows for the settings' filter and sort key to OUT, as Database > Export "
        "does for \"All records\": a CSV file with every list column in table order, gqrx bookmarks or an SDR++ "
        "frequency list.");
    exportCommand->add_option("--format", exportOptions.format, "The kind of file: csv, gqrx or sdrpp")
        ->required()
        ->check(CLI::IsMember({"csv", "gqrx", "sdrpp"}));
    exportCommand->add_flag("--merge", exportOptions.merge,
                            "gqrx: keep the bookmarks of an existing OUT and replace only ZOFAR's earlier ones "
                            "(the old file is kept as OUT.bak)");
    AddSettingsOption(*exportCommand, exportCommon);
    AddFolderOption(*exportCommand, exportCommon.folder);
    AddNowOption(*exportCommand, exportCommon);
    AddNamedFilterOptions(*exportCommand, exportCommon);
    exportCommand->add_option("NAME", exportOptions.name, "The database")->required();
    exportCommand->add_option("OUT", exportOptions.out, "The file to write")->required();
    exportCommand->callback([&] { status = RunExport(exportCommon, exportOptions); });

    CommonOptions print;
    std::string printName;
    std::string pdfPath;
    CLI::App* printCommand = app.add_subcommand(
        "print",
        "Writes what Database > Print prints for \"All records\" as A4 portrait pages into a PDF file, with the "
        "columns, borders and font height of the settings, in the settings' filter and sort.");
    printCommand->add_option("--pdf", pdfPath, "The PDF file to write")->required();
    AddSettingsOption(*printCommand, print);
    AddFolderOption(*printCommand, print.folder);
    AddNowOption(*printCommand, print);
    printCommand->add_option("NAME", printName, "The database")->required();
    printCommand->callback([&] { status = RunPrint(print, pdfPath, printName); });

    CommonOptions chart;
    ChartOptions chartOptions;
    std::string chartName;
    std::vector<std::string> bandNames;
    for (const zofar::BandPreset& band : zofar::BandPresets()) bandNames.emplace_back(band.name);
    CLI::App* chartCommand = app.add_subcommand(
        "chart",
        "Draws the band chart of the records the list shows for the settings' filter, with the time of --now as "
        "the now-line, into OUT: a PNG, SVG or PDF file by OUT's extension.");
    AddSettingsOption(*chartCommand, chart);
    AddFolderOption(*chartCommand, chart.folder);
    AddNowOption(*chartCommand, chart);
    AddNamedFilterOptions(*chartCommand, chart);
    chartCommand->add_option("--band", chartOptions.band, "The band to draw (default: all)")
        ->check(CLI::IsMember(bandNames));
    chartCommand->add_option("--width", chartOptions.width, "The width in pixels, points for a PDF (default: 1200)")
        ->check(CLI::Range(100, 20000));
    chartCommand->add_option("--height", chartOptions.height, "The height in pixels, points for a PDF (default: 800)")
        ->check(CLI::Range(100, 20000));
    chartCommand->add_option("NAME", chartName, "The database")->required();
    chartCommand->add_option("OUT", chartOptions.out, "The file to write: .png, .svg or .pdf")->required();
    chartCommand->callback([&] { status = RunChart(chart, chartOptions, chartName); });
    FetchOptions fetch;
    CLI::App* fetchCommand = app.add_subcommand(
        "fetch",
        "Downloads a season's schedule from SOURCE (eibi, hfcc or aoki) and builds the database NAME from it "
        "(default: source and season, like EIBI-B26); a schedule already current is not downloaded again. "
        "Exit status 0 only when the database is current.");
    fetchCommand->add_option("--season", fetch.season, "The season, like b26 (default: the current one)");
    fetchCommand->add_option("--url", fetch.url,
                             "The address of the folder that holds the season's files (default: the settings' "
                             "or the source's own)");
    AddFolderOption(*fetchCommand, fetch.common.folder);
    AddSettingsOption(*fetchCommand, fetch.common);
    fetchCommand->add_option("SOURCE", fetch.source, "eibi, hfcc or aoki")->required();
    fetchCommand->add_option("NAME", fetch.name, "The name of the database");
    fetchCommand->callback([&] { status = RunFetch(fetch); });

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kUsageError;
    }
    return status;
}
