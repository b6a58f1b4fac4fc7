#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/FileDescriptor.h"
#include "receiver/LinkFrame.h"
#include "receiver/LinkListener.h"
#include "receiver/LinkSender.h"

namespace zofar::test {

/// A receiver control program for tests: listens under a name in a link folder on a thread of
/// its own, records every frame it receives and answers it as told.
class ReceiverSimulator {
public:
    enum class Reply {
        Answer,  ///< answer every frame with the answer value
        Silent,  ///< read the frame and never answer
        HangUp,  ///< read the frame and close without an answer
    };

    ReceiverSimulator(const std::string& folder, const std::string& name);
    ~ReceiverSimulator();
    ReceiverSimulator(const ReceiverSimulator&) = delete;
    ReceiverSimulator& operator=(const ReceiverSimulator&) = delete;

    bool Listening() const { return listening_; }
    const std::string& SocketPath() const { return socketPath_; }
    const std::string& Name() const { return name_; }

    void SetReply(Reply reply, uint32_t answer = 1);
    /// Waits until at least `count` frames have arrived; false when the time ran out first.
    bool WaitForFrames(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(3));
    std::vector<LinkFrame> Frames() const;

    /// Sends a go-to-frequency frame with `hz` to the socket at `socketPath`, as the receiver
    /// program reports its frequency.
    LinkSendResult SendFrequency(const std::string& socketPath, int32_t hz, int timeoutMs = kLinkAnswerTimeoutMs) const;

private:
    void Run();
    void Serve(int fd);

    std::string name_;
    std::string socketPath_;
    bool listening_ = false;
    LinkListener listener_;
    FileDescriptor stopRead_{-1};
    FileDescriptor stopWrite_{-1};

    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<LinkFrame> frames_;
    Reply reply_ = Reply::Answer;
    uint32_t answer_ = 1;

    std::thread thread_;
};

}  // namespace zofar::test
