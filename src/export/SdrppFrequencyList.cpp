#include "export/SdrppFrequencyList.h"

#include <cstdio>
#include <unordered_map>
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
    // The suffix to try next for a name, so that many copies of one name cost no rescans.
    std::unordered_map<std::string, int> nextSuffix;
    std::vector<std::string> names;
    names.reserve(bookmarks.size());
    for (const auto& b : bookmarks) {
        std::string name = b.name;
        if (used.count(name) != 0) {
            // The suffix skips every name the list holds, so a later "X (2)" keeps its own name.
            int& n = nextSuffix.try_emplace(b.name, 2).first->second;
            do {
                name = b.name + " (" + std::to_string(n++) + ")";
            } while (taken.count(name) != 0);
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
