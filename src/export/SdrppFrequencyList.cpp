#include "export/SdrppFrequencyList.h"

#include <cstdio>
#include <unordered_set>

namespace zofar {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::vector<std::string> UniqueNames(const std::vector<Bookmark>& bookmarks) {
    std::unordered_set<std::string> taken;
    for (const auto& b : bookmarks) taken.insert(b.name);
    std::unordered_set<std::string> used;
    std::vector<std::string> names;
    names.reserve(bookmarks.size());
    for (const auto& b : bookmarks) {
        std::string name = b.name;
        // The suffix skips every name the list holds, so a later "X (2)" keeps its own name.
        for (int n = 2; used.count(name) != 0 || (n > 2 && taken.count(name) != 0); ++n) {
            name = b.name + " (" + std::to_string(n) + ")";
        }
        used.insert(name);
        taken.insert(name);
        names.push_back(std::move(name));
    }
    return names;
}

std::string SdrppFrequencyListText(const std::vector<Bookmark>& bookmarks) {
    const std::vector<std::string> names = UniqueNames(bookmarks);
    std::string out = "{\n    \"bookmarks\": {";
    for (std::size_t i = 0; i < bookmarks.size(); ++i) {
        const Bookmark& b = bookmarks[i];
        out += i == 0 ? "\n" : ",\n";
        out += "        " + JsonString(names[i]) + ": {\"frequency\": " + std::to_string(b.hz) +
               ", \"bandwidth\": " + std::to_string(b.mode.bandwidthHz) +
               ", \"mode\": " + std::to_string(b.mode.sdrppMode) + "}";
    }
    out += bookmarks.empty() ? "}\n}\n" : "\n    }\n}\n";
    return out;
}

}  // namespace zofar
