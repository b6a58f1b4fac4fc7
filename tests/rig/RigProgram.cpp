#include "rig/RigProgram.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace zofar::test {

namespace {

using namespace std::chrono_literals;

}  // namespace

RigProgram::RigProgram(const std::string& runtimeFolder, const std::vector<std::string>& args)
    : logPath_(runtimeFolder + "/zofar-rig.log") {
    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "XDG_RUNTIME_DIR=", 16) != 0) environment.emplace_back(*e);
    }
    environment.push_back("XDG_RUNTIME_DIR=" + runtimeFolder);
    std::vector<char*> envp;
    for (std::string& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);

    std::vector<std::string> words{ZOFAR_RIG_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int error = ::posix_spawn(&pid_, ZOFAR_RIG_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        pid_ = -1;
        ADD_FAILURE() << "cannot start " << ZOFAR_RIG_PATH << ": " << std::strerror(error);
    }
}

RigProgram::~RigProgram() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

bool RigProgram::Running() {
    if (pid_ <= 0) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) != pid_) return true;
    pid_ = -1;
    return false;
}

int RigProgram::Stop(int signal) {
    if (pid_ <= 0) return -1;
    ::kill(pid_, signal);
    const auto end = std::chrono::steady_clock::now() + 3s;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= end) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
            return -1;
        }
        std::this_thread::sleep_for(5ms);
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string RigProgram::Log() const {
    std::ifstream in(logPath_);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool RigProgram::WaitForLog(const std::string& text, int times, std::chrono::milliseconds timeout) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (Occurrences(Log(), text) < times) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

int Occurrences(const std::string& log, const std::string& text) {
    int count = 0;
    for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + text.size())) ++count;
    return count;
}

}  // namespace zofar::test
