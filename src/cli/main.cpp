#include <CLI/CLI.hpp>

#include <string>

#include "cli/CliCommands.h"
#include "cli/CliFetch.h"
#include "cli/CliPrint.h"

namespace {

using namespace zofar::cli;

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
        "Builds the database NAME.mdb from the list LIST (an ILG text list, an ILG dBASE table or an EiBi "
        "schedule), as Database > Create does.");
    AddFolderOption(*importCommand, import.folder);
    importCommand
        ->add_option("--kind", import.kind,
                     "The kind of LIST: text, dbase or eibi (default: dbase for *.dbf, eibi for *.csv, else text)")
        ->check(CLI::IsMember({"text", "dbase", "eibi"}));
    importCommand->add_option("--codes", import.codes,
                              "EiBi's README.TXT with the names of the codes (default: the one beside LIST)");
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
    std::string listName;
    CLI::App* listCommand = app.add_subcommand(
        "list",
        "Prints the records the list shows for the settings' filter and sort key, one line per record: "
        "the 24 list fields, then UNIQUEID, separated by TAB.");
    AddSettingsOption(*listCommand, list);
    AddFolderOption(*listCommand, list.folder);
    AddNowOption(*listCommand, list);
    AddNamedFilterOptions(*listCommand, list);
    listCommand->add_option("NAME", listName, "The database")->required();
    listCommand->callback([&] { status = RunList(list, listName); });

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
