#include "rig/RigctldProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "base/FileDescriptor.h"

extern char** environ;

namespace zofar::test {

namespace {

using namespace std::chrono_literals;

FileDescriptor ConnectLoopback(std::uint16_t port) {
    FileDescriptor fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return FileDescriptor(-1);
    return fd;
}

}  // namespace

RigctldProcess::RigctldProcess(std::uint16_t port) {
    const std::string portText = std::to_string(port);
    const char* argv[] = {"rigctld", "-m", "1", "-T", "127.0.0.1", "-t", portText.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = ::posix_spawnp(&pid, "rigctld", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        ADD_FAILURE() << "cannot start rigctld (" << std::strerror(error)
                      << "); scripts/install-deps.sh installs it with libhamlib-utils";
        return;
    }
    pid_ = pid;
    const auto end = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            ADD_FAILURE() << "rigctld ended at once on port " << port;
            return;
        }
        if (ConnectLoopback(port).Valid()) return;
        std::this_thread::sleep_for(10ms);
    }
    ADD_FAILURE() << "rigctld does not take connections on port " << port;
    Stop();
}

RigctldProcess::~RigctldProcess() { Stop(); }

void RigctldProcess::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    const auto end = std::chrono::steady_clock::now() + 2s;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= end) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(5ms);
    }
    pid_ = -1;
}

namespace {

std::string AskOnce(std::uint16_t port, const std::string& command) {
    FileDescriptor fd = ConnectLoopback(port);
    if (!fd.Valid()) return {};
    timeval limit{2, 0};
    ::setsockopt(fd.Get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    const std::string line = command + "\n";
    if (::send(fd.Get(), line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) return {};
    std::string reply;
    char c = 0;
    while (::recv(fd.Get(), &c, 1, 0) == 1 && c != '\n') reply.push_back(c);
    return reply;
}

}  // namespace

std::string AskRigServer(std::uint16_t port, const std::string& command) {
    // rigctld now and then closes a connection that comes in while it is still ending the
    // previous client's, without reading it; a second attempt is then served.
    std::string reply;
    for (int attempt = 0; attempt < 3 && reply.empty(); ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        reply = AskOnce(port, command);
    }
    return reply;
}

}  // namespace zofar::test
