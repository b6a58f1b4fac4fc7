#include "import/DbaseTable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/FileDescriptor.h"
#include "base/TextEncoding.h"
#include "import/DbaseError.h"
#include "import/DescriptorFileHooks.h"

namespace zofar {

namespace {

constexpr std::size_t kFileHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr std::size_t kNameBytes = 11;
constexpr unsigned char kHeaderEnd = 0x0D;

struct Layout {
    std::uint32_t records = 0;
    std::size_t headerLength = 0;
    std::size_t recordLength = 0;
    std::vector<DbaseField> fields;
};

std::string Quoted(std::string_view text) { return "'" + ToUtf8Guessing(text) + "'"; }

[[noreturn]] void Damaged(const std::string& label, const std::string& detail) {
    throw DbaseError("The dBASE table " + Quoted(label) + " is damaged: " + detail + ".");
}

unsigned U16(const unsigned char* p) { return p[0] | (p[1] << 8u); }
std::uint32_t U32(const unsigned char* p) {
    return p[0] | (p[1] << 8u) | (p[2] << 16u) | (static_cast<std::uint32_t>(p[3]) << 24u);
}

bool ReadAt(int fd, unsigned char* buffer, std::size_t size, off_t at) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, buffer + got, size - got, at + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

struct OpenedFile {
    FileDescriptor fd{-1};
    std::uintmax_t size = 0;
    std::string error;  ///< why it did not open, when it did not
};

// A FIFO or a device would block the open or never end: only regular files are tables.
OpenedFile OpenRegularFile(const std::string& path) {
    OpenedFile file;
    if (path.find('\0') != std::string::npos) {
        file.error = std::generic_category().message(ENOENT);
        return file;
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (!fd.Valid() || ::fstat(fd.Get(), &st) != 0) {
        file.error = std::generic_category().message(errno);
        return file;
    }
    if (!S_ISREG(st.st_mode)) {
        file.error = "it is not a regular file";
        return file;
    }
    file.fd = std::move(fd);
    file.size = static_cast<std::uintmax_t>(st.st_size);
    return file;
}

DbaseFieldType TypeOf(char native) {
    switch (native) {
        case 'C': return DbaseFieldType::Character;
        case 'N':
        case 'F': return DbaseFieldType::Numeric;
        case 'L': return DbaseFieldType::Logical;
        case 'D': return DbaseFieldType::Date;
        default: return DbaseFieldType::Other;
    }
}

// The structure as shapelib will read it: descriptors of 32 bytes after the 32-byte file header,
// up to the end mark or the end of the header, each field one byte wide per size unit, placed
// one after the other behind the deleted flag.
Layout ReadLayout(int fd, std::uintmax_t fileSize, const std::string& label) {
    if (fileSize < kFileHeaderSize) Damaged(label, "it is shorter than the 32 bytes of a dBASE header");
    unsigned char head[kFileHeaderSize];
    if (!ReadAt(fd, head, sizeof head, 0)) Damaged(label, "its header cannot be read");

    Layout layout;
    layout.records = U32(head + 4);
    layout.headerLength = U16(head + 8);
    layout.recordLength = U16(head + 10);
    if (layout.headerLength < kFileHeaderSize + 1) {
        Damaged(label, "its header length of " + std::to_string(layout.headerLength) + " bytes is too small");
    }
    if (layout.headerLength > fileSize) {
        Damaged(label, "its header of " + std::to_string(layout.headerLength) + " bytes is longer than the file");
    }
    if (layout.recordLength < 1) Damaged(label, "its record length is 0");

    std::vector<unsigned char> descriptors(layout.headerLength - kFileHeaderSize);
    if (!ReadAt(fd, descriptors.data(), descriptors.size(), kFileHeaderSize)) {
        Damaged(label, "its field descriptions cannot be read");
    }
    std::size_t offset = 1;
    const std::size_t count = descriptors.size() / kDescriptorSize;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* d = descriptors.data() + i * kDescriptorSize;
        if (d[0] == kHeaderEnd) break;
        DbaseField field;
        const auto* nameBytes = reinterpret_cast<const char*>(d);
        field.name.assign(nameBytes, strnlen(nameBytes, kNameBytes));
        while (!field.name.empty() && field.name.back() == ' ') field.name.pop_back();
        field.nativeType = static_cast<char>(d[11]);
        field.type = TypeOf(field.nativeType);
        field.size = d[16];
        field.offset = static_cast<int>(offset);
        offset += static_cast<std::size_t>(field.size);
        layout.fields.push_back(std::move(field));
    }
    if (offset > layout.recordLength) {
        Damaged(label, "its fields need " + std::to_string(offset) +
                           " bytes per record, more than its record length of " + std::to_string(layout.recordLength));
    }
    if (layout.records > static_cast<std::uint32_t>(INT_MAX)) {
        Damaged(label, "it announces " + std::to_string(layout.records) + " records, more than can be read");
    }
    const std::uintmax_t body = fileSize - layout.headerLength;
    if (static_cast<std::uintmax_t>(layout.records) * layout.recordLength > body) {
        Damaged(label, "it is cut short: its header announces " + std::to_string(layout.records) + " records of " +
                           std::to_string(layout.recordLength) + " bytes, the file holds " +
                           std::to_string(body / layout.recordLength));
    }
    return layout;
}

// Shapelib looks for the code page file under the table's name with the extension replaced.
FileDescriptor OpenCodePageFile(const std::string& path) {
    for (const char* extension : {".cpg", ".CPG"}) {
        OpenedFile file = OpenRegularFile(std::filesystem::path(path).replace_extension(extension).string());
        if (file.fd.Valid()) return std::move(file.fd);
    }
    return FileDescriptor(-1);
}

bool SameStructure(const DBFInfo& info, const Layout& layout) {
    if (info.nRecords != static_cast<int>(layout.records) ||
        info.nRecordLength != static_cast<int>(layout.recordLength) ||
        info.nHeaderLength != static_cast<int>(layout.headerLength) ||
        info.nFields != static_cast<int>(layout.fields.size())) {
        return false;
    }
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        if (info.panFieldOffset[i] != layout.fields[i].offset || info.panFieldSize[i] != layout.fields[i].size) {
            return false;
        }
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view UpToNul(std::string_view raw) {
    const auto nul = raw.find('\0');
    return nul == std::string_view::npos ? raw : raw.substr(0, nul);
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string TypeName(char native) {
    if (native > ' ' && native < 0x7F) return std::string("'") + native + "'";
    return "with the code " + std::to_string(static_cast<unsigned char>(native));
}

}  // namespace

std::optional<double> ParseDbaseNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

DbaseTable::DbaseTable(const std::string& path)
    : label_(ToUtf8Guessing(std::filesystem::path(path).filename().string())) {
    const OpenedFile table = OpenRegularFile(path);
    if (!table.fd.Valid()) throw DbaseError("Cannot open the dBASE table " + Quoted(label_) + ": " + table.error + ".");
    const Layout layout = ReadLayout(table.fd.Get(), table.size, label_);
    const FileDescriptor codePage = OpenCodePageFile(path);

    SAHooks hooks = DescriptorFileHooks();
    handle_.reset(DBFOpenLL(DescriptorFileName(table.fd.Get(), codePage.Get()).c_str(), "rb", &hooks));
    if (!handle_) throw DbaseError("The dBASE table " + Quoted(label_) + " cannot be read.");
    // Reads go by the checked structure; a reader that understood the header otherwise would
    // place fields elsewhere.
    if (!SameStructure(*handle_, layout)) Damaged(label_, "its structure cannot be understood");
    fields_ = layout.fields;
    recordCount_ = static_cast<int>(layout.records);
}

std::optional<int> DbaseTable::FieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const std::string& candidate = fields_[i].name;
        if (candidate.size() == name.size() &&
            std::equal(candidate.begin(), candidate.end(), name.begin(),
                       [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); })) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

const char* DbaseTable::Record(int record) const {
    const char* tuple = record >= 0 && record < recordCount_ ? DBFReadTuple(handle_.get(), record) : nullptr;
    if (tuple == nullptr) {
        throw DbaseError("Record " + std::to_string(record + 1) + " of the dBASE table " + Quoted(label_) +
                         " cannot be read.");
    }
    return tuple;
}

bool DbaseTable::IsDeleted(int record) const {
    Record(record);
    return DBFIsRecordDeleted(handle_.get(), record) != 0;
}

DbaseValue DbaseTable::ReadValue(int record, int fieldIndex) const {
    const DbaseField& field = fields_.at(static_cast<std::size_t>(fieldIndex));
    const std::string_view raw(Record(record) + field.offset, static_cast<std::size_t>(field.size));
    switch (field.type) {
        case DbaseFieldType::Character: {
            std::string_view text = UpToNul(raw);
            while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
            if (text.empty()) return {};
            return std::string(text);
        }
        case DbaseFieldType::Numeric: {
            const std::string_view text = TrimBlanks(UpToNul(raw));
            if (text.empty() || text.front() == '*') return {};
            if (const auto number = ParseDbaseNumber(text)) return *number;
            throw DbaseError("Record " + std::to_string(record + 1) + " of the dBASE table " + Quoted(label_) +
                             " holds " + Quoted(text) + " in the numeric field " + Quoted(field.name) +
                             ", which is not a number.");
        }
        case DbaseFieldType::Logical: {
            const std::string_view text = TrimBlanks(UpToNul(raw));
            if (text.empty()) return {};
            switch (text.front()) {
                case 'T': case 't': case 'Y': case 'y': return std::string("T");
                case 'F': case 'f': case 'N': case 'n': return std::string("F");
                default: return {};
            }
        }
        case DbaseFieldType::Date: {
            const std::string_view text = TrimBlanks(UpToNul(raw));
            if (text.empty() || text == "00000000") return {};
            if (text.size() == 8 && std::all_of(text.begin(), text.end(), IsAsciiDigit)) {
                return std::string(text.substr(0, 4)) + "-" + std::string(text.substr(4, 2)) + "-" +
                       std::string(text.substr(6, 2));
            }
            return std::string(text);
        }
        case DbaseFieldType::Other:
            break;
    }
    throw DbaseError("The field " + Quoted(field.name) + " of the dBASE table " + Quoted(label_) + " has the type " +
                     TypeName(field.nativeType) + ", which cannot be read.");
}

std::string DbaseTable::CodePage() const {
    const char* codePage = DBFGetCodePage(handle_.get());
    return codePage ? codePage : "";
}

}  // namespace zofar
