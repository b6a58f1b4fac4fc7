#include "export/GqrxBookmarks.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "base/TextEncoding.h"

namespace zofar {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

// gqrx pads with QString's justification, which counts characters.
std::string LeftJustified(std::string text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    if (length < width) text.append(width - length, ' ');
    return text;
}

std::string RightJustified(const std::string& text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    return length < width ? std::string(width - length, ' ') + text : text;
}

std::string Replaced(std::string_view text, std::string_view what, char with) {
    std::string out;
    for (char c : text) out += what.find(c) == std::string_view::npos ? c : with;
    return out;
}

std::string NameField(std::string_view name) {
    return std::string(Trimmed(Replaced(Replaced(name, ";", ','), "\r\n\t", ' ')));
}

std::string LanguageTag(std::string_view language) {
    return std::string(Trimmed(Replaced(Replaced(language, ",;", '/'), "\r\n\t", ' ')));
}

// A colour per tag that stays the same from one export to the next.
std::string TagColour(std::string_view tag) {
    if (tag == kZofarTag) return "#4a90d9";
    static constexpr const char* kPalette[] = {"#e06c75", "#98c379", "#e5c07b", "#61afef",
                                               "#c678dd", "#56b6c2", "#d19a66", "#be5046"};
    unsigned hash = 2166136261u;
    for (char c : tag) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return kPalette[hash % std::size(kPalette)];
}

std::string TagOfTagLine(std::string_view line) {
    const auto parts = Split(line, ';');
    return parts.size() == 2 ? std::string(Trimmed(parts[0])) : std::string();
}

bool HasTag(const std::vector<std::string>& tags, std::string_view tag) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

}  // namespace

GqrxBookmarksFile ParseGqrxBookmarks(std::string_view text) {
    GqrxBookmarksFile file;
    bool inTags = true;
    for (std::string_view line : Split(WithoutByteOrderMark(text), '\n')) {
        // gqrx trims every line; a file that went through two converters may end in CR CR LF.
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view content = Trimmed(line);
        if (content.empty()) {
            inTags = false;
            continue;
        }
        if (content.front() == '#') continue;
        (inTags ? file.tagLines : file.bookmarkLines).emplace_back(line);
    }
    return file;
}

std::vector<std::string> GqrxLineTags(std::string_view line) {
    const auto fields = Split(line, ';');
    if (fields.size() != 5) return {};
    std::vector<std::string> tags;
    for (std::string_view tag : Split(fields[4], ',')) tags.emplace_back(Trimmed(tag));
    return tags;
}

std::string GqrxBookmarksText(const std::vector<Bookmark>& bookmarks, const GqrxBookmarksFile* existing) {
    std::vector<std::string> newTags{std::string(kZofarTag)};
    std::vector<std::string> lines;
    for (const Bookmark& b : bookmarks) {
        std::string tags(kZofarTag);
        const std::string language = LanguageTag(b.language);
        if (!language.empty()) {
            tags += "," + language;
            if (!HasTag(newTags, language)) newTags.push_back(language);
        }
        lines.push_back(RightJustified(std::to_string(b.hz), 12) + "; " + LeftJustified(NameField(b.name), 25) + "; " +
                        LeftJustified(std::string(b.mode.gqrxName), 20) + "; " +
                        RightJustified(std::to_string(b.mode.bandwidthHz), 10) + "; " + tags);
    }

    std::vector<std::string> tagLines;
    std::vector<std::string> keptLines;
    std::set<std::string> namedTags;
    if (existing) {
        std::set<std::string> keptTags, droppedTags;
        for (const std::string& line : existing->bookmarkLines) {
            const std::vector<std::string> tags = GqrxLineTags(line);
            const bool ours = HasTag(tags, kZofarTag);
            (ours ? droppedTags : keptTags).insert(tags.begin(), tags.end());
            if (!ours) keptLines.push_back(line);
        }
        for (const std::string& line : existing->tagLines) {
            const std::string tag = TagOfTagLine(line);
            if (droppedTags.count(tag) && !keptTags.count(tag) && !HasTag(newTags, tag)) continue;
            if (!tag.empty()) namedTags.insert(tag);
            tagLines.push_back(line);
        }
    }
    for (const std::string& tag : newTags) {
        if (namedTags.insert(tag).second) tagLines.push_back(LeftJustified(tag, 20) + "; " + TagColour(tag));
    }

    std::string out = LeftJustified("# Tag name", 20) + ";  color\n";
    for (const std::string& line : tagLines) out += line + "\n";
    out += "\n";
    out += LeftJustified("# Frequency", 12) + "; " + LeftJustified("Name", 25) + "; " +
           LeftJustified("Modulation", 20) + "; " + RightJustified("Bandwidth", 10) + "; Tags\n";
    for (const std::string& line : keptLines) out += line + "\n";
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

}  // namespace zofar
