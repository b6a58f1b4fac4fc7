#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

#include "base/Environment.h"

namespace zofar {

/// The name ZOFAR's own socket carries in the link folder, and the sender name of its frames.
constexpr std::string_view kZofarLinkName = "ZOFAR";

/// The environment the link folder is found in.
using LinkEnvironmentLookup = EnvironmentLookup;

/// The link folder of user `uid`, ending with '/': $XDG_RUNTIME_DIR/zofar-link/ when that
/// variable holds an absolute path, otherwise /tmp/zofar-link-UID/.
std::string LinkFolderPath(const LinkEnvironmentLookup& env, uid_t uid);

/// Why `folder` must not serve as the link folder of user `owner`: it is missing, not a folder
/// (a symbolic link counts as not one), owned by someone else, or open to others (mode not
/// 0700). Empty when it is fit for use.
std::string LinkFolderProblem(const std::string& folder, uid_t owner);

struct LinkFolderResult {
    /// The folder, ending with '/'; empty when it must not be used.
    std::string folder;
    /// What is wrong, for the user; empty when the folder is fit for use.
    std::string error;
};

/// The running user's link folder, created with mode 0700 when missing. A folder that already
/// exists is used only when it is a folder of this user with mode 0700; it is never changed.
LinkFolderResult PrepareLinkFolder(const LinkEnvironmentLookup& env);

/// The socket path of the program named `name` in `folder`.
std::string LinkSocketPath(const std::string& folder, std::string_view name);

/// True when the socket name, after its leading blanks (' ' only), begins with the receiver
/// name, compared byte by byte and case-sensitively; only the first 511 bytes of the socket name
/// count. An empty receiver name matches every socket name.
bool ReceiverNameMatches(std::string_view socketName, std::string_view receiverName);

/// The socket path of the receiver program: the first socket of `folder`, in byte-wise name
/// order, whose name matches `receiverName`. Files other than sockets are passed over. Nothing
/// when no socket matches or the folder cannot be read. A socket named exactly `skippedName`
/// is passed over too (ZOFAR's own socket, which is never the receiver program).
std::optional<std::string> FindReceiverSocket(const std::string& folder, const std::string& receiverName,
                                              std::string_view skippedName = {});

}  // namespace zofar
