#include "store/CreateDatabaseChecks.h"

#include <algorithm>

#include <filesystem>
#include <system_error>

namespace zofar {

namespace {

// Upper case of one code point for the letters a database name is likely to hold: ASCII and
// the letters of code page 1252, where the names of the original files came from.
char32_t UpperCodePoint(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    switch (c) {
        case 0xFF: return 0x178;
        case 0x161: return 0x160;
        case 0x153: return 0x152;
        case 0x17E: return 0x17D;
        default: return c;
    }
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Converts the two-byte sequences of the Western letters and ASCII; every other byte is kept,
// so a name that is not valid UTF-8 still compares byte for byte.
std::string UpperName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(name[i]);
        if (b0 < 0x80) {
            AppendUtf8(UpperCodePoint(b0), out);
            continue;
        }
        if ((b0 & 0xE0) == 0xC0 && i + 1 < name.size()) {
            const auto b1 = static_cast<unsigned char>(name[i + 1]);
            if ((b1 & 0xC0) == 0x80) {
                const char32_t c = (static_cast<char32_t>(b0 & 0x1F) << 6) | (b1 & 0x3F);
                if (c >= 0x80) {
                    AppendUtf8(UpperCodePoint(c), out);
                    ++i;
                    continue;
                }
            }
        }
        out += static_cast<char>(b0);
    }
    return out;
}

bool HasMdbExtension(const std::string& fileName) {
    if (fileName.size() <= 4) return false;
    const std::string ext = UpperName(std::string_view(fileName).substr(fileName.size() - 4));
    return ext == ".MDB";
}

}  // namespace

bool IsPlainDatabaseName(std::string_view name) {
    if (name == "." || name == "..") return false;
    return name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

bool SameDatabaseName(std::string_view a, std::string_view b) { return UpperName(a) == UpperName(b); }

CreateCheckResult CheckCreateDatabase(const std::string& name, const std::string& sourcePath,
                                      const std::vector<std::string>& existingNames,
                                      const CreateCheckPrompts& prompts) {
    CreateCheckResult result;
    if (name.empty()) {
        prompts.showMessage(std::string(kEnterNameMessage));
        result.focus = CreateDialogField::Name;
        return result;
    }
    // A name with a path separator would put the file outside the database folder.
    if (!IsPlainDatabaseName(name)) {
        prompts.showMessage(std::string(kBadNameMessage));
        result.focus = CreateDialogField::Name;
        return result;
    }
    if (sourcePath.empty()) {
        prompts.showMessage(std::string(kSelectSourceMessage));
        result.focus = CreateDialogField::SelectSourceButton;
        return result;
    }
    for (const auto& existing : existingNames) {
        if (!SameDatabaseName(existing, name)) continue;
        if (!prompts.askYesNo(std::string(kReplaceQuestion))) {
            prompts.showMessage(std::string(kDifferentNameMessage));
            result.focus = CreateDialogField::Name;
            result.replace = false;
            return result;
        }
        result.replace = true;
    }
    result.accepted = true;
    return result;
}

std::vector<DatabaseFile> ListDatabaseFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<DatabaseFile> files;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec) return files;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string fileName = it->path().filename().string();
        if (HasMdbExtension(fileName)) files.push_back({fileName.substr(0, fileName.size() - 4), fileName});
    }
    std::sort(files.begin(), files.end(), [](const DatabaseFile& a, const DatabaseFile& b) {
        const std::string ua = UpperName(a.title), ub = UpperName(b.title);
        return ua != ub ? ua < ub : a.title < b.title;
    });
    return files;
}

std::vector<std::string> ListDatabaseNames(const std::string& folder) {
    std::vector<std::string> names;
    for (auto& file : ListDatabaseFiles(folder)) names.push_back(std::move(file.title));
    return names;
}

}  // namespace zofar
