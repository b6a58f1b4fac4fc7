#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/FileDescriptor.h"

namespace zofar::test {

/// A TCP port on 127.0.0.1 that nothing listens on at the moment of the call.
std::uint16_t FreeLoopbackPort();

/// A rig server on a thread of its own, listening on 127.0.0.1: every line it receives (without
/// its LF) goes to the responder, whose text is written back as it stands ("" writes nothing).
class FakeRigServer {
public:
    using Responder = std::function<std::string(const std::string& line)>;

    /// Port 0 takes a free port. Fails the test when the port cannot be had.
    explicit FakeRigServer(Responder responder, std::uint16_t port = 0);
    ~FakeRigServer();
    FakeRigServer(const FakeRigServer&) = delete;
    FakeRigServer& operator=(const FakeRigServer&) = delete;

    std::uint16_t Port() const { return port_; }
    /// Every line received so far, from all connections.
    std::vector<std::string> Lines() const;
    int Connections() const { return connections_.load(); }
    /// Writes `bytes` to every open connection, unasked, as a server repeating a reply does.
    void SendToAll(const std::string& bytes);
    /// Closes the listening socket and every connection, as a server that quits.
    void Stop();

private:
    void Run();

    Responder responder_;
    std::uint16_t port_ = 0;
    FileDescriptor listener_{-1};
    FileDescriptor wakeRead_{-1};
    FileDescriptor wakeWrite_{-1};
    std::atomic<int> connections_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    struct Client {
        FileDescriptor socket;
        std::string pending;
    };
    std::map<int, Client> clients_;
    std::thread thread_;
};

/// A rig the fake server stands for: "F <Hz>" tunes it, "f" reads it; what else it is sent
/// gets "RPRT 1\n", as gqrx and SDR++ answer.
struct FakeRig {
    std::string frequency = "145000000";
    std::mutex mutex;

    std::string Answer(const std::string& line);
};

}  // namespace zofar::test
