#include "ReceiverSimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "receiver/LinkFolder.h"
#include "receiver/LinkMessage.h"
#include "receiver/LittleEndian.h"

namespace zofar::test {

ReceiverSimulator::ReceiverSimulator(const std::string& folder, const std::string& name)
    : name_(name), socketPath_(LinkSocketPath(folder, name)) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    stopRead_ = FileDescriptor(pipeFds[0]);
    stopWrite_ = FileDescriptor(pipeFds[1]);
    listening_ = listener_.Open(folder, name).status == LinkOpenStatus::Listening;
    if (listening_) thread_ = std::thread([this] { Run(); });
}

ReceiverSimulator::~ReceiverSimulator() {
    if (thread_.joinable()) {
        const char stop = 's';
        (void)::write(stopWrite_.Get(), &stop, 1);
        thread_.join();
    }
    listener_.Close();
}

void ReceiverSimulator::SetReply(Reply reply, uint32_t answer) {
    std::lock_guard lock(mutex_);
    reply_ = reply;
    answer_ = answer;
}

bool ReceiverSimulator::WaitForFrames(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return frames_.size() >= count; });
}

std::vector<LinkFrame> ReceiverSimulator::Frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

LinkSendResult ReceiverSimulator::SendFrequency(const std::string& socketPath, int32_t hz, int timeoutMs) const {
    LinkFrame frame{kGoToFrequencyMessage, name_, std::vector<uint8_t>(4)};
    PutU32LittleEndian(frame.data.data(), static_cast<uint32_t>(hz));
    return SendLinkFrame(socketPath, frame, timeoutMs);
}

void ReceiverSimulator::Run() {
    for (;;) {
        std::vector<pollfd> fds{{stopRead_.Get(), POLLIN, 0}, {listener_.ListenFd(), POLLIN, 0}};
        for (int fd : listener_.ConnectionFds()) fds.push_back({fd, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), 100) < 0) continue;
        if (fds[0].revents != 0) return;
        const auto now = std::chrono::steady_clock::now();
        for (std::size_t i = 2; i < fds.size(); ++i) {
            if (fds[i].revents != 0) Serve(fds[i].fd);
        }
        if (fds[1].revents != 0) listener_.AcceptPending(now);
        listener_.DropIdle(now);
    }
}

void ReceiverSimulator::Serve(int fd) {
    LinkReadResult read = listener_.ReadFrom(fd);
    if (read.status != LinkReadStatus::Frame) return;
    Reply reply;
    uint32_t answer;
    {
        std::lock_guard lock(mutex_);
        frames_.push_back(std::move(read.frame));
        reply = reply_;
        answer = answer_;
    }
    arrived_.notify_all();
    switch (reply) {
    case Reply::Answer: listener_.Answer(fd, answer); break;
    case Reply::HangUp: listener_.CloseConnection(fd); break;
    case Reply::Silent: break;
    }
}

}  // namespace zofar::test
