#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace zofar {

/// An entry may unpack to at most this many bytes unless the reader is told otherwise; a season
/// of any schedule is a few MB.
inline constexpr std::size_t kZipEntryMaxBytes = std::size_t{64} << 20;

/// A zip archive opened for reading through libzip. Entries are read into memory, never
/// unpacked to disk.
class ZipArchive {
public:
    /// The archive at `path`; nullptr when it is no readable zip.
    static std::unique_ptr<ZipArchive> Open(const std::string& path);
    /// The archive held in `bytes`; nullptr when they are no zip.
    static std::unique_ptr<ZipArchive> FromBytes(std::string bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    /// The entries' names in the archive's order ("" for one whose name does not read).
    const std::vector<std::string>& Names() const { return names_; }

    /// True for a name without a folder: no "/", no "\", not "..", not empty. Other entries are
    /// never read, so nothing in an archive can name a place outside it.
    static bool IsFlatName(std::string_view name);

    enum class Status { Ok, TooLarge, Unreadable };
    struct Entry {
        Status status = Status::Unreadable;
        std::string bytes;
    };
    /// Entry `index` unpacked. TooLarge when it would unpack to more than `maxBytes` (as the
    /// archive declares it or as it turns out), Unreadable when it is missing, encrypted, damaged
    /// or not a flat name.
    Entry Read(std::size_t index, std::size_t maxBytes) const;
    /// At most the first `bytes` bytes of entry `index`; "" when it does not read.
    std::string ReadHead(std::size_t index, std::size_t bytes) const;

private:
    struct Closer {
        void operator()(zip* archive) const;
    };
    ZipArchive(std::unique_ptr<zip, Closer> archive, std::unique_ptr<std::string> bytes);

    // The buffer an archive read from memory points into; it lives as long as the archive.
    std::unique_ptr<std::string> bytes_;
    std::unique_ptr<zip, Closer> archive_;
    std::vector<std::string> names_;
};

}  // namespace zofar
