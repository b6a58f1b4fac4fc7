#include "import/HfccCodeTables.h"

#include <algorithm>

#include "base/TextEncoding.h"
#include "base/TextLines.h"
#include "import/EibiCoordinates.h"
#include "import/ScheduleFields.h"

namespace zofar {

namespace {

// Calls `entry` with every line that is neither a comment nor blank.
template <typename Entry>
void ForEachEntry(std::string_view bytes, Entry entry) {
    TextLines lines(WithoutByteOrderMark(bytes));
    std::string_view line;
    while (lines.Next(line)) {
        if (line.empty() || line.front() == ';' || TrimBlanks(line).empty()) continue;
        entry(line);
    }
}

std::string Text(std::string_view cp1252) { return Cp1252ToUtf8(TrimBlanks(cp1252)); }

void AddName(std::map<std::string, std::string, std::less<>>& names, std::string_view code, std::string_view name) {
    code = TrimBlanks(code);
    if (code.empty()) return;
    names.try_emplace(Cp1252ToUtf8(code), Text(name));
}

const std::string* Find(const std::map<std::string, std::string, std::less<>>& names, std::string_view code) {
    const auto it = names.find(TrimBlanks(code));
    return it == names.end() ? nullptr : &it->second;
}

}  // namespace

HfccCodeTables HfccCodeTables::Parse(const std::map<std::string, std::string>& files) {
    HfccCodeTables tables;
    const auto bytes = [&files](std::string_view name) -> std::string_view {
        const auto it = files.find(std::string(name));
        return it == files.end() ? std::string_view() : std::string_view(it->second);
    };
    tables.ParseSites(bytes(kSites));
    tables.ParseBroadcasters(bytes(kBroadcasters));
    tables.ParseAdministrations(bytes(kAdministrations));
    tables.ParseLanguages(bytes(kLanguages));
    return tables;
}

void HfccCodeTables::ParseSites(std::string_view bytes) {
    ForEachEntry(bytes, [this](std::string_view line) {
        const std::string_view code = TrimBlanks(FixedField(line, 1, 3));
        if (code.empty()) return;
        HfccSite site;
        site.name = Text(FixedField(line, 5, 34));
        site.adm = Text(FixedField(line, 36, 38));
        // The position reads only as a whole, in the form the list keeps it.
        const std::string position =
            std::string(TrimBlanks(FixedField(line, 40, 44))) + "-" + std::string(TrimBlanks(FixedField(line, 46, 51)));
        if (const auto found = FindEibiCoordinates(position); found && found->begin == 0) {
            site.latitude = found->latitude;
            site.longitude = found->longitude;
        }
        sites_.try_emplace(Cp1252ToUtf8(code), std::move(site));
    });
}

void HfccCodeTables::ParseBroadcasters(std::string_view bytes) {
    ForEachEntry(bytes, [this](std::string_view line) {
        AddName(broadcasters_, FixedField(line, 1, 3), line.size() >= 5 ? line.substr(4) : std::string_view());
    });
}

void HfccCodeTables::ParseAdministrations(std::string_view bytes) {
    ForEachEntry(bytes, [this](std::string_view line) {
        AddName(administrations_, FixedField(line, 1, 3), FixedField(line, 5, 54));
    });
}

void HfccCodeTables::ParseLanguages(std::string_view bytes) {
    ForEachEntry(bytes, [this](std::string_view line) {
        if (line.front() == ' ' || line.front() == '\t') return;
        const auto codeEnd = std::min(line.find_first_of(" \t"), line.size());
        std::string_view rest = line.substr(codeEnd);
        const auto nameBegin = rest.find_first_not_of(" \t");
        rest = nameBegin == std::string_view::npos ? std::string_view() : rest.substr(nameBegin);
        const auto nameEnd = std::min({rest.find('\t'), rest.find("  "), rest.size()});
        AddName(languages_, line.substr(0, codeEnd), rest.substr(0, nameEnd));
    });
}

const HfccSite* HfccCodeTables::Site(std::string_view code) const {
    const auto it = sites_.find(TrimBlanks(code));
    return it == sites_.end() ? nullptr : &it->second;
}

const std::string* HfccCodeTables::BroadcasterName(std::string_view code) const { return Find(broadcasters_, code); }

const std::string* HfccCodeTables::AdministrationName(std::string_view code) const {
    return Find(administrations_, code);
}

const std::string* HfccCodeTables::LanguageName(std::string_view code) const { return Find(languages_, code); }

}  // namespace zofar
