#pragma once

#include <string>

#include "receiver/LinkSender.h"
#include "receiver/ReceiverLink.h"

namespace zofar {

/// The receiver link over the sockets of the link folder: the receiver program is the first
/// socket whose name begins with the receiver name (ZOFAR's own socket is never taken), and
/// the frame goes to it with a bounded wait for the answer.
class SocketReceiverLink : public ReceiverLink {
public:
    /// `folder` is the link folder, ending with '/'; empty while there is none (every program
    /// is then not active). `timeoutMs` bounds each send in all, in milliseconds.
    explicit SocketReceiverLink(std::string folder = {}, int timeoutMs = kLinkAnswerTimeoutMs);

    void SetFolder(std::string folder) { folder_ = std::move(folder); }
    const std::string& Folder() const { return folder_; }

    bool Send(const std::string& receiverName, const LinkFrame& frame) override;

private:
    std::string folder_;
    int timeoutMs_;
};

}  // namespace zofar
