#include "fetch/TestHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <stdexcept>

namespace zofar::test {

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    const auto e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

bool SendAll(int fd, const std::string& data) {
    size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

const char* Reason(int status) {
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 404: return "Not Found";
    default: return "Status";
    }
}

}  // namespace

TestHttpServer::TestHttpServer() {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listenFd_, 16) != 0 || ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        throw std::runtime_error("the test server could not listen");
    port_ = ntohs(addr.sin_port);
    listener_ = std::thread([this] { Listen(); });
}

TestHttpServer::~TestHttpServer() { Stop(); }

std::string TestHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void TestHttpServer::Serve(const std::string& path, Route route) {
    std::lock_guard lock(mutex_);
    routes_[path] = std::move(route);
}

std::vector<TestHttpServer::Request> TestHttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void TestHttpServer::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (stop_) return;
        stop_ = true;
    }
    stopping_.notify_all();
    if (listener_.joinable()) listener_.join();
    ::close(listenFd_);
    std::vector<std::thread> connections;
    {
        std::lock_guard lock(mutex_);
        connections.swap(connections_);
    }
    for (auto& t : connections) t.join();
}

bool TestHttpServer::Pause(int ms) {
    std::unique_lock lock(mutex_);
    return !stopping_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stop_; });
}

void TestHttpServer::Listen() {
    while (true) {
        {
            std::lock_guard lock(mutex_);
            if (stop_) break;
        }
        pollfd p{listenFd_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        std::lock_guard lock(mutex_);
        connections_.emplace_back([this, fd] {
            Answer(fd);
            ::close(fd);
        });
    }
    // Nobody may connect once Stop returns: the socket stops listening here.
    ::shutdown(listenFd_, SHUT_RDWR);
}

void TestHttpServer::Answer(int fd) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 5000) <= 0) return;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return;
        head.append(buffer, static_cast<size_t>(n));
    }
    Request request;
    const auto lineEnd = head.find("\r\n");
    const std::string line = head.substr(0, lineEnd);
    const auto s1 = line.find(' ');
    const auto s2 = line.find(' ', s1 + 1);
    request.path = line.substr(s1 + 1, s2 - s1 - 1);
    for (size_t pos = lineEnd + 2; pos < head.size();) {
        const auto end = head.find("\r\n", pos);
        const std::string header = head.substr(pos, end - pos);
        if (header.empty()) break;
        const auto colon = header.find(':');
        if (colon != std::string::npos)
            request.headers[Lower(header.substr(0, colon))] = Trim(header.substr(colon + 1));
        pos = end + 2;
    }

    Route route;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        const auto it = routes_.find(request.path);
        if (it == routes_.end()) {
            route.status = 404;
            route.contentType = "text/html";
            route.body = "<html><body>Not found</body></html>";
        } else {
            route = it->second;
        }
    }
    if (!Pause(route.delayBeforeHeadersMs)) return;
    const auto header = [&](const char* name) {
        const auto it = request.headers.find(name);
        return it == request.headers.end() ? std::string() : it->second;
    };
    const bool notModified =
        route.status == 200 && ((!route.etag.empty() && header("if-none-match") == route.etag) ||
                                (!route.lastModified.empty() && header("if-modified-since") == route.lastModified));
    std::string answer = "HTTP/1.1 " + std::to_string(notModified ? 304 : route.status) + " " +
                         Reason(notModified ? 304 : route.status) + "\r\nConnection: close\r\n";
    if (!route.etag.empty()) answer += "ETag: " + route.etag + "\r\n";
    if (!route.lastModified.empty()) answer += "Last-Modified: " + route.lastModified + "\r\n";
    if (!route.location.empty()) answer += "Location: " + route.location + "\r\n";
    if (notModified) {
        SendAll(fd, answer + "\r\n");
        return;
    }
    answer += "Content-Type: " + route.contentType + "\r\n";
    if (route.sendLength) answer += "Content-Length: " + std::to_string(route.body.size()) + "\r\n";
    if (!SendAll(fd, answer + "\r\n")) return;
    if (!Pause(route.delayAfterHeadersMs)) return;
    SendAll(fd, route.body.substr(0, route.cutAfter));
}

}  // namespace zofar::test
