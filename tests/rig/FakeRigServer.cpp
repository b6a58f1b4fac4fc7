#include "rig/FakeRigServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zofar::test {

namespace {

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::uint16_t FreeLoopbackPort() {
    FileDescriptor fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    if (::bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ADD_FAILURE() << "no free loopback port";
        return 0;
    }
    return ntohs(address.sin_port);
}

FakeRigServer::FakeRigServer(Responder responder, std::uint16_t port) : responder_(std::move(responder)) {
    listener_ = FileDescriptor(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const int one = 1;
    ::setsockopt(listener_.Get(), SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address = Loopback(port);
    socklen_t length = sizeof address;
    if (::bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_.Get(), 8) != 0 ||
        ::getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ADD_FAILURE() << "the fake rig server cannot listen on port " << port;
        return;
    }
    port_ = ntohs(address.sin_port);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "no pipe";
        return;
    }
    wakeRead_ = FileDescriptor(pipeFds[0]);
    wakeWrite_ = FileDescriptor(pipeFds[1]);
    thread_ = std::thread([this] { Run(); });
}

FakeRigServer::~FakeRigServer() { Stop(); }

void FakeRigServer::Stop() {
    if (thread_.joinable()) {
        const char wake = 'x';
        [[maybe_unused]] const auto written = ::write(wakeWrite_.Get(), &wake, 1);
        thread_.join();
    }
    listener_.Close();
}

std::vector<std::string> FakeRigServer::Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

void FakeRigServer::SendToAll(const std::string& bytes) {
    std::lock_guard lock(mutex_);
    for (const auto& [fd, client] : clients_) WriteAll(fd, bytes);
}

void FakeRigServer::Run() {
    for (;;) {
        std::vector<pollfd> fds{{wakeRead_.Get(), POLLIN, 0}, {listener_.Get(), POLLIN, 0}};
        {
            std::lock_guard lock(mutex_);
            for (const auto& [fd, client] : clients_) fds.push_back({fd, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), -1) < 0) continue;
        std::lock_guard lock(mutex_);
        if (fds[0].revents != 0) {
            clients_.clear();
            return;
        }
        if (fds[1].revents != 0) {
            FileDescriptor accepted(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
            if (accepted.Valid()) {
                ++connections_;
                const int fd = accepted.Get();
                clients_.emplace(fd, Client{std::move(accepted), {}});
            }
        }
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (fds[i].revents == 0) continue;
            Client& client = clients_.at(fds[i].fd);
            char buffer[4096];
            const ssize_t n = ::recv(client.socket.Get(), buffer, sizeof buffer, 0);
            if (n <= 0) {
                clients_.erase(fds[i].fd);
                continue;
            }
            client.pending.append(buffer, static_cast<std::size_t>(n));
            for (std::size_t end; (end = client.pending.find('\n')) != std::string::npos;) {
                const std::string line = client.pending.substr(0, end);
                client.pending.erase(0, end + 1);
                lines_.push_back(line);
                if (!WriteAll(client.socket.Get(), responder_(line))) break;
            }
        }
    }
}

std::string FakeRig::Answer(const std::string& line) {
    std::lock_guard lock(mutex);
    if (line == "f") return frequency + "\n";
    if (line.rfind("F ", 0) == 0) {
        frequency = line.substr(2);
        return "RPRT 0\n";
    }
    return "RPRT 1\n";
}

}  // namespace zofar::test
