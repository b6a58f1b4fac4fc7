#include "import/ZipArchive.h"

#include <zip.h>

#include <array>

namespace zofar {

namespace {

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipFile = std::unique_ptr<zip_file_t, FileCloser>;

// Reads up to `limit` bytes; false when the entry does not read to its end or to the limit.
bool ReadUpTo(zip_file_t* file, std::size_t limit, std::string& out) {
    std::array<char, 1 << 16> block{};
    while (out.size() < limit) {
        const std::size_t want = std::min(block.size(), limit - out.size());
        const zip_int64_t got = zip_fread(file, block.data(), want);
        if (got < 0) return false;
        if (got == 0) break;
        out.append(block.data(), static_cast<std::size_t>(got));
    }
    return true;
}

}  // namespace

void ZipArchive::Closer::operator()(zip* archive) const { zip_discard(archive); }

ZipArchive::ZipArchive(std::unique_ptr<zip, Closer> archive, std::unique_ptr<std::string> bytes)
    : bytes_(std::move(bytes)), archive_(std::move(archive)) {
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        names_.emplace_back(name ? name : "");
    }
}

ZipArchive::~ZipArchive() = default;

std::unique_ptr<ZipArchive> ZipArchive::Open(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return nullptr;
    int error = 0;
    zip* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) return nullptr;
    return std::unique_ptr<ZipArchive>(new ZipArchive(std::unique_ptr<zip, Closer>(archive), nullptr));
}

std::unique_ptr<ZipArchive> ZipArchive::FromBytes(std::string bytes) {
    auto held = std::make_unique<std::string>(std::move(bytes));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(held->data(), held->size(), 0, &error);
    zip_error_fini(&error);
    if (!source) return nullptr;
    zip_error_init(&error);
    zip* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return nullptr;
    }
    return std::unique_ptr<ZipArchive>(new ZipArchive(std::unique_ptr<zip, Closer>(archive), std::move(held)));
}

bool ZipArchive::IsFlatName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\\') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

ZipArchive::Entry ZipArchive::Read(std::size_t index, std::size_t maxBytes) const {
    Entry entry;
    if (index >= names_.size() || !IsFlatName(names_[index])) return entry;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_.get(), index, 0, &stat) != 0) return entry;
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > maxBytes) {
        entry.status = Status::TooLarge;
        return entry;
    }
    const ZipFile file(zip_fopen_index(archive_.get(), index, 0));
    if (!file) return entry;
    // The declared size may lie; one byte past the limit tells.
    const std::size_t limit = maxBytes == SIZE_MAX ? maxBytes : maxBytes + 1;
    if (!ReadUpTo(file.get(), limit, entry.bytes)) {
        entry.bytes.clear();
        return entry;
    }
    if (entry.bytes.size() > maxBytes) {
        entry.bytes.clear();
        entry.status = Status::TooLarge;
        return entry;
    }
    entry.status = Status::Ok;
    return entry;
}

std::string ZipArchive::ReadHead(std::size_t index, std::size_t bytes) const {
    std::string head;
    if (index >= names_.size() || !IsFlatName(names_[index])) return head;
    const ZipFile file(zip_fopen_index(archive_.get(), index, 0));
    if (!file || !ReadUpTo(file.get(), bytes, head)) return {};
    return head;
}

}  // namespace zofar
