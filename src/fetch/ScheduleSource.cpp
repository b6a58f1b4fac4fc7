#include "fetch/ScheduleSource.h"

#include <cctype>


namespace zofar {

namespace {

using K = ScheduleFileKind;

const std::array<ScheduleSource, 3> kSources{{
    {"eibi",
     "EiBi",
     "EIBI",
     "EibiUrl",
     "http://www.eibispace.de/dx/",
     {{{"sked-{season}.csv", K::EibiCsv}, {"README.TXT", K::EibiCodes}}},
     "eibi"},
    {"hfcc",
     "HFCC",
     "HFCC",
     "HfccUrl",
     "https://www.hfcc.org/data/{SEASON}/",
     {{{"{SEASON}allx2.zip", K::ZipArchive}, {}}},
     "hfcc"},
    {"aoki", "Aoki", "AOKI", "AokiUrl", "http://www.ndxc.jp/", {{{"nz{season}.zip", K::ZipArchive}, {}}}, "aoki"},
}};

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

void ReplaceAll(std::string& text, std::string_view from, const std::string& to) {
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

}  // namespace

std::span<const ScheduleSource> ScheduleSources() { return kSources; }

const ScheduleSource* FindScheduleSource(std::string_view name) {
    for (const auto& source : kSources) {
        if (SameLetters(source.name, name)) return &source;
    }
    return nullptr;
}

std::string ExpandSeason(std::string_view pattern, const Season& season) {
    std::string text(pattern);
    ReplaceAll(text, "{season}", SeasonCode(season));
    ReplaceAll(text, "{SEASON}", SeasonLabel(season));
    return text;
}

std::vector<std::string> SeasonFileNames(const ScheduleSource& source, const Season& season) {
    std::vector<std::string> names;
    for (const auto& file : source.files) {
        if (!file.pattern.empty()) names.push_back(ExpandSeason(file.pattern, season));
    }
    return names;
}

std::string FileUrl(std::string_view folderUrl, const Season& season, std::string_view fileName) {
    std::string url = ExpandSeason(folderUrl, season);
    while (!url.empty() && url.back() == '/') url.pop_back();
    return url + "/" + std::string(fileName);
}

std::string ScheduleDatabaseName(const ScheduleSource& source, const Season& season) {
    return std::string(source.databasePrefix) + "-" + SeasonLabel(season);
}

std::optional<Season> SeasonOfScheduleDatabase(std::string_view databaseName) {
    for (const auto& source : kSources) {
        const std::string_view prefix = source.databasePrefix;
        if (databaseName.size() != prefix.size() + 4 || databaseName[prefix.size()] != '-') continue;
        if (!SameLetters(databaseName.substr(0, prefix.size()), prefix)) continue;
        return ParseSeason(databaseName.substr(prefix.size() + 1));
    }
    return std::nullopt;
}

}  // namespace zofar
