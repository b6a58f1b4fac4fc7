#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(zofar::cli::UsageText(), stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(zofar::cli::UsageText(), stdout);
        return 0;
    }
    if (command == "import") return zofar::cli::RunImport(args);
    if (command == "condition") return zofar::cli::RunCondition(args);
    if (command == "list") return zofar::cli::RunList(args);
    std::fprintf(stderr, "zofar-cli: unknown command \"%s\"; see zofar-cli --help\n", command.c_str());
    return 2;
}
