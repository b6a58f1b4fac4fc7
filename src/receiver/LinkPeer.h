#pragma once

#include <sys/types.h>

namespace zofar {

/// True when the process at the other end of the connected Unix socket `fd` runs as user
/// `allowedUid` (by SO_PEERCRED); false for any other user and when the peer cannot be told.
bool AcceptsLinkPeer(int fd, uid_t allowedUid);

}  // namespace zofar
