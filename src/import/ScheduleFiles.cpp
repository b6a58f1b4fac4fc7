#include "import/ScheduleFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <vector>

#include "base/RegularFile.h"
#include "import/ZipArchive.h"

namespace zofar {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsZip(std::string_view bytes) {
    return bytes.starts_with("PK\x03\x04") || bytes.starts_with(std::string_view("PK\x05\x06", 4));
}

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t kMb = std::size_t{1} << 20;
    if (bytes >= kMb && bytes % kMb == 0) return std::to_string(bytes / kMb) + " MB";
    return std::to_string(bytes) + " bytes";
}

std::string TooLargeMessage(std::string_view name, std::size_t maxBytes) {
    return "The entry \"" + std::string(name) + "\" of the zip file unpacks to more than " + SizeText(maxBytes) + "!";
}

bool IsTableName(const ScheduleFileRules& rules, std::string_view name) {
    return std::any_of(rules.tables.begin(), rules.tables.end(),
                       [name](std::string_view table) { return SameIgnoringCase(table, name); });
}

std::optional<std::size_t> FindEntry(const ZipArchive& zip, std::string_view name) {
    const auto& names = zip.Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (ZipArchive::IsFlatName(names[i]) && SameIgnoringCase(names[i], name)) return i;
    }
    return std::nullopt;
}

// Reads an entry into `out`; false with `message` set when it does not read.
bool ReadEntry(const ZipArchive& zip, std::size_t index, std::size_t maxBytes, std::string& out, std::string& message) {
    ZipArchive::Entry entry = zip.Read(index, maxBytes);
    switch (entry.status) {
    case ZipArchive::Status::Ok: out = std::move(entry.bytes); return true;
    case ZipArchive::Status::TooLarge: message = TooLargeMessage(zip.Names()[index], maxBytes); return false;
    case ZipArchive::Status::Unreadable:
        message = "The entry \"" + zip.Names()[index] + "\" of the zip file does not read!";
        return false;
    }
    return false;
}

// One table from the first place that has it; false only when a table is there but unreadable.
bool FindTable(std::string_view name, const std::string& codesFolder, const ZipArchive* zip,
               const std::string& besideFolder, std::size_t maxBytes, ScheduleFiles& files, std::string& message) {
    std::string folder = codesFolder;
    if (codesFolder.empty() && zip) {
        if (const auto index = FindEntry(*zip, name)) {
            return ReadEntry(*zip, *index, maxBytes, files.tables[std::string(name)], message);
        }
    }
    if (folder.empty()) folder = besideFolder;
    if (folder.empty()) return true;
    const std::string path = FindFileIgnoringCase(folder, name);
    if (path.empty()) return true;
    auto bytes = ReadRegularFile(path, maxBytes);
    if (!bytes) {
        message = "Error opening the code table " + path + "!";
        return false;
    }
    files.tables[std::string(name)] = std::move(*bytes);
    return true;
}

}  // namespace

std::string FindFileIgnoringCase(const std::string& folder, std::string_view name) {
    namespace fs = std::filesystem;
    if (folder.find('\0') != std::string::npos) return {};
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string found = it->path().filename().string();
        std::error_code typeError;
        if (SameIgnoringCase(found, name) && it->is_regular_file(typeError)) names.push_back(found);
    }
    if (names.empty()) return {};
    // The exact spelling first, then a fixed order, so the choice never depends on the folder's order.
    std::sort(names.begin(), names.end(), [name](const std::string& a, const std::string& b) {
        if ((a == name) != (b == name)) return a == name;
        return a < b;
    });
    return (fs::path(folder) / names.front()).string();
}

std::optional<ScheduleFiles> ScheduleFilesFromBytes(std::string bytes, const std::string& besideFolder,
                                                    const std::string& codesFolder, const ScheduleFileRules& rules,
                                                    std::size_t maxBytes, std::string& message) {
    ScheduleFiles files;
    std::unique_ptr<ZipArchive> zip;
    if (IsZip(bytes)) {
        zip = ZipArchive::FromBytes(std::move(bytes));
        if (!zip) {
            message = rules.openError;
            return std::nullopt;
        }
        std::optional<std::size_t> schedule;
        const auto& names = zip->Names();
        for (std::size_t i = 0; i < names.size() && !schedule; ++i) {
            if (!ZipArchive::IsFlatName(names[i]) || IsTableName(rules, names[i])) continue;
            if (rules.isSchedule(zip->ReadHead(i, kScheduleHeadBytes))) schedule = i;
        }
        if (!schedule) {
            message = "The zip file holds no " + std::string(rules.listWords) + "!";
            return std::nullopt;
        }
        if (!ReadEntry(*zip, *schedule, maxBytes, files.schedule, message)) return std::nullopt;
    } else {
        files.schedule = std::move(bytes);
    }
    if (!codesFolder.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_directory(codesFolder, ec)) {
            message = "The code table folder " + codesFolder + " does not exist!";
            return std::nullopt;
        }
    }
    for (const std::string_view table : rules.tables) {
        if (!FindTable(table, codesFolder, zip.get(), besideFolder, maxBytes, files, message)) return std::nullopt;
    }
    return files;
}

std::optional<ScheduleFiles> ReadScheduleFiles(const std::string& path, const std::string& codesFolder,
                                               const ScheduleFileRules& rules, std::size_t maxBytes,
                                               std::string& message) {
    // A NUL would silently cut the name the system sees and open another file.
    std::optional<std::string> bytes;
    if (!path.empty() && path.find('\0') == std::string::npos) bytes = ReadRegularFile(path, maxBytes);
    if (!bytes) {
        message = rules.openError;
        return std::nullopt;
    }
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    return ScheduleFilesFromBytes(std::move(*bytes), folder, codesFolder, rules, maxBytes, message);
}

bool HoldsSchedule(const std::string& path, bool (*isSchedule)(std::string_view head)) {
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    // Only a regular file: a FIFO or a device would block or never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::string head(kScheduleHeadBytes, '\0');
    {
        std::ifstream in(path, std::ios::binary);
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    }
    if (!IsZip(head)) return isSchedule(head);
    // A zip's directory is at its end, so it is read whole.
    auto bytes = ReadRegularFile(path, kZipEntryMaxBytes);
    if (!bytes) return false;
    const auto zip = ZipArchive::FromBytes(std::move(*bytes));
    if (!zip) return false;
    for (std::size_t i = 0; i < zip->Names().size(); ++i) {
        if (ZipArchive::IsFlatName(zip->Names()[i]) && isSchedule(zip->ReadHead(i, kScheduleHeadBytes))) return true;
    }
    return false;
}

}  // namespace zofar
