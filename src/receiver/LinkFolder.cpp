#include "receiver/LinkFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace zofar {

namespace {

// Window titles were read into 512 bytes, so longer ones compared only their first 511.
constexpr std::size_t kMaxComparedNameBytes = 511;

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::string LinkFolderPath(const LinkEnvironmentLookup& env, uid_t uid) {
    const std::optional<std::string> runtime = env ? env("XDG_RUNTIME_DIR") : std::nullopt;
    if (runtime && !runtime->empty() && runtime->front() == '/') {
        std::string base = WithoutTrailingSlashes(*runtime);
        if (base != "/") base += '/';
        return base + "zofar-link/";
    }
    return "/tmp/zofar-link-" + std::to_string(uid) + "/";
}

std::string LinkFolderProblem(const std::string& folder, uid_t owner) {
    const std::string path = WithoutTrailingSlashes(folder);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return "The link folder " + path + " cannot be read: " + std::strerror(errno) + ".";
    }
    if (!S_ISDIR(st.st_mode)) return "The link folder " + path + " is not a folder.";
    if (st.st_uid != owner) return "The link folder " + path + " belongs to another user.";
    if ((st.st_mode & 07777) != 0700) {
        return "The link folder " + path + " is open to other users (its mode must be 0700).";
    }
    return {};
}

LinkFolderResult PrepareLinkFolder(const LinkEnvironmentLookup& env) {
    const uid_t uid = ::geteuid();
    const std::string folder = LinkFolderPath(env, uid);
    const std::string path = WithoutTrailingSlashes(folder);
    if (::mkdir(path.c_str(), 0700) == 0) {
        // The umask may have taken bits away; a folder made here gets exactly 0700.
        if (::chmod(path.c_str(), 0700) != 0) {
            return {{}, "The link folder " + path + " cannot be set up: " + std::strerror(errno) + "."};
        }
    } else if (errno != EEXIST) {
        return {{}, "The link folder " + path + " cannot be created: " + std::strerror(errno) + "."};
    }
    std::string problem = LinkFolderProblem(folder, uid);
    if (!problem.empty()) return {{}, std::move(problem)};
    return {folder, {}};
}

std::string LinkSocketPath(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += name;
    return path;
}

bool ReceiverNameMatches(std::string_view socketName, std::string_view receiverName) {
    // The name is compared as a C string, so it ends at a NUL.
    receiverName = receiverName.substr(0, receiverName.find('\0'));
    std::string_view title = socketName.substr(0, std::min(socketName.size(), kMaxComparedNameBytes));
    title.remove_prefix(std::min(title.find_first_not_of(' '), title.size()));
    return title.starts_with(receiverName);
}

std::optional<std::string> FindReceiverSocket(const std::string& folder, const std::string& receiverName,
                                              std::string_view skippedName) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;
    std::vector<std::string> sockets;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        std::error_code statError;
        if (it->symlink_status(statError).type() == std::filesystem::file_type::socket && !statError) {
            sockets.push_back(it->path().filename().string());
        }
    }
    if (ec) return std::nullopt;
    // std::string orders by unsigned bytes, which is the order the names are tried in.
    std::sort(sockets.begin(), sockets.end());
    for (const std::string& name : sockets) {
        if (name != skippedName && ReceiverNameMatches(name, receiverName)) return LinkSocketPath(folder, name);
    }
    return std::nullopt;
}

}  // namespace zofar
