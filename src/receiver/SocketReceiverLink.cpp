#include "receiver/SocketReceiverLink.h"

#include "receiver/LinkFolder.h"

namespace zofar {

SocketReceiverLink::SocketReceiverLink(std::string folder, int timeoutMs)
    : folder_(std::move(folder)), timeoutMs_(timeoutMs) {}

bool SocketReceiverLink::Send(const std::string& receiverName, const LinkFrame& frame) {
    if (folder_.empty()) return false;
    // Every send looks the program up anew, so it may come and go while ZOFAR runs. ZOFAR's own
    // socket would match an empty name but could only answer after the wait had run out.
    const auto socket = FindReceiverSocket(folder_, receiverName, kZofarLinkName);
    if (!socket) return false;
    return SendLinkFrame(*socket, frame, timeoutMs_).status == LinkSendStatus::Delivered;
}

}  // namespace zofar
