#include "import/SourceKindOfFile.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "import/SourceKinds.h"

namespace zofar {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// ".csv" for "/a/b.CSV"; "" when the file name has no dot.
std::string Extension(std::string_view path) {
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos) return {};
    std::string extension;
    for (const char c : name.substr(dot)) extension += Lower(c);
    return extension;
}

bool ListsExtension(std::string_view extensions, std::string_view extension) {
    std::size_t pos = 0;
    while (pos < extensions.size()) {
        const auto end = std::min(extensions.find(' ', pos), extensions.size());
        if (extensions.substr(pos, end - pos) == extension) return true;
        pos = end + 1;
    }
    return false;
}

}  // namespace

int SourceKindOfFile(const std::string& path) {
    const std::string extension = Extension(path);
    if (extension.empty()) return kDefaultSourceKind;
    std::optional<int> unchecked;
    const auto kinds = SourceKinds();
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        const SourceKind& kind = kinds[k];
        if (!ListsExtension(kind.extensions, extension)) continue;
        if (!kind.holdsList) {
            if (!unchecked) unchecked = static_cast<int>(k);
        } else if (kind.holdsList(path)) {
            return static_cast<int>(k);
        }
    }
    return unchecked.value_or(kDefaultSourceKind);
}

}  // namespace zofar
