#include "import/SourceKindOfFile.h"

#include <algorithm>

namespace zofar {

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char lower, char c) { return lower == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
}

}  // namespace

SourceKind SourceKindOfFile(std::string_view path) {
    if (EndsWithIgnoringCase(path, ".dbf")) return kSourceDbase;
    if (EndsWithIgnoringCase(path, ".csv")) return kSourceEibi;
    return kSourceText;
}

}  // namespace zofar
