#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace zofar::test {

/// What a command printed on standard output and how it ended.
struct ProcessResult {
    int code = -1;
    std::string out;
};

/// Runs a shell command line, standard error dropped; with `errorsOnly` the output is standard
/// error and standard output is dropped.
inline ProcessResult RunProcess(const std::string& commandLine, bool errorsOnly = false) {
    ProcessResult r;
    FILE* pipe = popen((commandLine + (errorsOnly ? " 2>&1 >/dev/null" : " 2>/dev/null")).c_str(), "r");
    if (!pipe) return r;
    std::array<char, 4096> buf{};
    size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
    const int status = pclose(pipe);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

/// Runs zofar-cli with the arguments (already shell-quoted where needed).
inline ProcessResult Cli(const std::string& args, bool errorsOnly = false) {
    return RunProcess(std::string(ZOFAR_CLI_PATH) + " " + args, errorsOnly);
}

inline std::string Quote(const std::string& s) { return "'" + s + "'"; }

}  // namespace zofar::test
