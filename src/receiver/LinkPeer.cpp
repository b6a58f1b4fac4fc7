#include "receiver/LinkPeer.h"

#include <sys/socket.h>

namespace zofar {

bool AcceptsLinkPeer(int fd, uid_t allowedUid) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 || length != sizeof credentials) {
        return false;
    }
    return credentials.uid == allowedUid;
}

}  // namespace zofar
