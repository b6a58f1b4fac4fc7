#include "import/DescriptorFileHooks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

#include "base/FileDescriptor.h"

namespace zofar {

namespace {

constexpr std::string_view kNamePrefix = "zofar-fd:";

// Reads by position, so the duplicate shares no file offset with the caller's descriptor.
struct HookFile {
    explicit HookFile(int fd) : descriptor(fd) {}
    FileDescriptor descriptor;
    SAOffset offset = 0;
};

HookFile& FileOf(SAFile file) { return *reinterpret_cast<HookFile*>(file); }

bool ParseDescriptor(std::string_view text, int& fd) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), fd);
    return ec == std::errc() && end == text.data() + text.size();
}

// "zofar-fd:<table>:<code page>.<extension>"; the extension shapelib chose picks the descriptor.
int DescriptorOfName(std::string_view name) {
    if (!name.starts_with(kNamePrefix)) return -1;
    name.remove_prefix(kNamePrefix.size());
    const auto dot = name.rfind('.');
    const auto colon = name.find(':');
    if (dot == std::string_view::npos || colon == std::string_view::npos || colon > dot) return -1;
    int tableFd = -1, codePageFd = -1;
    if (!ParseDescriptor(name.substr(0, colon), tableFd) ||
        !ParseDescriptor(name.substr(colon + 1, dot - colon - 1), codePageFd)) {
        return -1;
    }
    const std::string_view extension = name.substr(dot + 1);
    if (extension == "dbf" || extension == "DBF") return tableFd;
    if (extension == "cpg" || extension == "CPG") return codePageFd;
    return -1;
}

SAFile Open(const char* name, const char* access) {
    if (name == nullptr || access == nullptr || std::strpbrk(access, "wa+") != nullptr) return nullptr;
    const int fd = DescriptorOfName(name);
    if (fd < 0) return nullptr;
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) return nullptr;
    // Shapelib owns the file from here until it calls Close.
    return reinterpret_cast<SAFile>(std::make_unique<HookFile>(copy).release());
}

SAOffset Read(void* buffer, SAOffset size, SAOffset count, SAFile file) {
    if (size == 0 || count == 0) return 0;
    if (count > static_cast<SAOffset>(-1) / size) return 0;
    HookFile& f = FileOf(file);
    const SAOffset wanted = size * count;
    SAOffset got = 0;
    auto* bytes = static_cast<char*>(buffer);
    while (got < wanted) {
        const ssize_t n = ::pread(f.descriptor.Get(), bytes + got, wanted - got, static_cast<off_t>(f.offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<SAOffset>(n);
    }
    f.offset += got;
    return got / size;
}

SAOffset Write(void*, SAOffset, SAOffset, SAFile) { return 0; }

SAOffset Seek(SAFile file, SAOffset offset, int whence) {
    HookFile& f = FileOf(file);
    switch (whence) {
        case SEEK_SET:
            f.offset = offset;
            return 0;
        case SEEK_CUR:
            f.offset += offset;  // unsigned wrap-around gives the backward moves of a signed offset
            return 0;
        case SEEK_END: {
            struct stat st {};
            if (::fstat(f.descriptor.Get(), &st) != 0) return static_cast<SAOffset>(-1);
            f.offset = static_cast<SAOffset>(st.st_size) + offset;
            return 0;
        }
        default:
            return static_cast<SAOffset>(-1);
    }
}

SAOffset Tell(SAFile file) { return FileOf(file).offset; }

int Flush(SAFile) { return 0; }

int Close(SAFile file) {
    std::unique_ptr<HookFile> owned(reinterpret_cast<HookFile*>(file));
    return owned->descriptor.Close() ? 0 : EOF;
}

int Remove(const char*) { return -1; }

void Error(const char*) {}

// Not called for the reads the program makes, but kept independent of the process locale.
double Atof(const char* text) {
    const char* begin = text;
    while (*begin == ' ') ++begin;
    double value = 0.0;
    std::from_chars(begin, begin + std::strlen(begin), value);
    return value;
}

}  // namespace

SAHooks DescriptorFileHooks() {
    SAHooks hooks{};
    hooks.FOpen = Open;
    hooks.FRead = Read;
    hooks.FWrite = Write;
    hooks.FSeek = Seek;
    hooks.FTell = Tell;
    hooks.FFlush = Flush;
    hooks.FClose = Close;
    hooks.Remove = Remove;
    hooks.Error = Error;
    hooks.Atof = Atof;
    return hooks;
}

std::string DescriptorFileName(int tableFd, int codePageFd) {
    return std::string(kNamePrefix) + std::to_string(tableFd) + ":" + std::to_string(codePageFd) + ".dbf";
}

}  // namespace zofar
