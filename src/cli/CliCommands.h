#pragma once

#include <string>
#include <vector>

namespace zofar::cli {

/// Each command takes its own arguments (after the command name) and returns the exit code.
int RunImport(const std::vector<std::string>& args);
int RunCondition(const std::vector<std::string>& args);
int RunList(const std::vector<std::string>& args);

/// The usage text of `zofar-cli --help`.
const char* UsageText();

}  // namespace zofar::cli
