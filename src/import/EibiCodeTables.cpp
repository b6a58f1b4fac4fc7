#include "import/EibiCodeTables.h"

#include <algorithm>
#include <cctype>

#include "base/RegularFile.h"
#include "base/TextEncoding.h"
#include "import/EibiCoordinates.h"

namespace zofar {

namespace {

enum class Section { None, Languages, Countries, Targets, Sites };

constexpr std::string_view kBlanks = " \t";
constexpr std::size_t kMaxCodeLength = 3;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsAsciiAlnum(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }
bool IsUpperOrDigit(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
bool IsLanguageCodeChar(char c) { return IsAsciiAlnum(c) || c == '-'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The leading run of code characters, when it is 1 to 3 long.
std::string_view LeadingCode(std::string_view text, bool (*isCodeChar)(char)) {
    std::size_t n = 0;
    while (n < text.size() && isCodeChar(text[n])) ++n;
    if (n == 0 || n > kMaxCodeLength) return {};
    return text.substr(0, n);
}

std::string ToLower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return lower;
}

// "I) Language codes.", "II)  Country codes.", "III) Target-area codes.", "IV) Transmitter
// site codes.": the overview lists them too, which only switches sections a few lines early.
std::optional<Section> SectionHeading(std::string_view line) {
    const std::string_view text = Trim(line);
    const auto close = text.find(')');
    if (close == std::string_view::npos || close == 0 || close > 4) return std::nullopt;
    if (text.substr(0, close).find_first_not_of("IV") != std::string_view::npos) return std::nullopt;
    const std::string title = ToLower(text.substr(close + 1));
    if (title.find("language") != std::string::npos) return Section::Languages;
    if (title.find("country") != std::string::npos) return Section::Countries;
    if (title.find("target") != std::string::npos) return Section::Targets;
    if (title.find("transmitter") != std::string::npos) return Section::Sites;
    return std::nullopt;
}

// A name ends before its remarks: "German: Germany (80m) ...", "Arabic (300m)", "[arb]".
std::string NameOf(std::string_view text) {
    std::size_t end = text.size();
    for (const std::string_view stop : {":", " (", ";", " ["}) {
        end = std::min(end, text.find(stop));
    }
    return std::string(Trim(text.substr(0, end)));
}

void AddName(std::map<std::string, std::string, std::less<>>& map, std::string_view code, std::string name) {
    if (name.empty()) return;
    map.emplace(std::string(code), std::move(name));
}

// "   D     German: Germany (80m) ..." and "   ABW  Aruba": a code, two blanks or more, a name.
void ParseCodeLine(std::string_view line, bool (*isCodeChar)(char),
                   std::map<std::string, std::string, std::less<>>& map, bool dropUnofficialMark) {
    const auto start = line.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return;
    const std::string_view rest = line.substr(start);
    const std::string_view code = LeadingCode(rest, isCodeChar);
    if (code.empty()) return;
    const std::string_view after = rest.substr(code.size());
    if (after.size() < 2 || kBlanks.find(after[0]) == std::string_view::npos) return;
    if (after[0] == ' ' && after[1] != ' ') return;  // a word of prose, not a padded code
    std::string name = NameOf(after);
    // An asterisk marks an abbreviation that is not ITU's own; it is not part of the name.
    if (dropUnofficialMark && !name.empty() && name.back() == '*') {
        name = std::string(Trim(std::string_view(name).substr(0, name.size() - 1)));
    }
    AddName(map, code, std::move(name));
}

// "   Af  - Africa".
void ParseTargetLine(std::string_view line, std::map<std::string, std::string, std::less<>>& map) {
    const auto start = line.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return;
    const std::string_view rest = line.substr(start);
    const std::string_view code = LeadingCode(rest, IsLetter);
    if (code.empty()) return;
    const std::string_view after = Trim(rest.substr(code.size()));
    if (after.size() < 2 || after[0] != '-' || kBlanks.find(after[1]) == std::string_view::npos) return;
    AddName(map, code, NameOf(after.substr(1)));
}

// A site's description: its name, then perhaps its position and remarks.
EibiSite DescribeSite(std::string_view code, std::string_view description) {
    EibiSite site;
    site.code = std::string(code);
    std::string_view name = description;
    if (const auto position = FindEibiCoordinates(description)) {
        name = description.substr(0, position->begin);
        site.latitude = position->latitude;
        site.longitude = position->longitude;
    } else if (constexpr std::string_view kExcept = "except:";
               name.size() >= kExcept.size() && name.substr(name.size() - kExcept.size()) == kExcept) {
        name.remove_suffix(kExcept.size());
    }
    // "Dural/Sydney NSW -33S41'55\"..." and "Ascension Island, 07S54...".
    name = Trim(name);
    while (!name.empty() && (name.back() == '-' || name.back() == ',' || name.back() == ' ')) name.remove_suffix(1);
    site.name = std::string(name);
    return site;
}

// "x-Khost 33N14-69E49": a site code of up to three letters or digits and a hyphen.
std::optional<EibiSite> CodedSite(std::string_view text) {
    const std::string_view code = LeadingCode(text, IsAsciiAlnum);
    if (code.empty() || code.size() >= text.size() || text[code.size()] != '-') return std::nullopt;
    return DescribeSite(code, text.substr(code.size() + 1));
}

}  // namespace

EibiCodeTables EibiCodeTables::Parse(std::string_view readme) {
    EibiCodeTables tables;
    Section section = Section::None;
    std::vector<EibiSite>* country = nullptr;

    std::size_t pos = 0;
    while (pos < readme.size()) {
        auto end = readme.find('\n', pos);
        if (end == std::string_view::npos) end = readme.size();
        std::string_view line = readme.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (const auto heading = SectionHeading(line)) {
            section = *heading;
            country = nullptr;
            continue;
        }
        switch (section) {
        case Section::None: break;
        case Section::Languages: ParseCodeLine(line, IsLanguageCodeChar, tables.languages_, false); break;
        case Section::Countries: ParseCodeLine(line, IsUpperOrDigit, tables.countries_, true); break;
        case Section::Targets: ParseTargetLine(line, tables.targets_); break;
        case Section::Sites: {
            const std::string_view text = Trim(line);
            const std::string_view code = LeadingCode(text, IsUpperOrDigit);
            if (!code.empty() && code.size() < text.size() && text[code.size()] == ':') {
                // "AFG: k-Kabul ...", "AFS: Meyerton 26S35-28E08 except:", "B:   a-Porto Alegre ...".
                country = &tables.sites_[std::string(code)];
                const std::string_view first = Trim(text.substr(code.size() + 1));
                if (first.empty()) break;
                auto site = CodedSite(first);
                country->push_back(site ? std::move(*site) : DescribeSite({}, first));
            } else if (country) {
                if (auto site = CodedSite(text)) country->push_back(std::move(*site));
            }
            break;
        }
        }
    }
    return tables;
}

std::optional<EibiCodeTables> EibiCodeTables::Load(const std::string& path) {
    if (path.find('\0') != std::string::npos) return std::nullopt;
    const auto bytes = ReadRegularFile(path, kMaxBytes);
    if (!bytes) return std::nullopt;
    return Parse(ToUtf8Guessing(WithoutByteOrderMark(*bytes)));
}

namespace {

const std::string* Find(const std::map<std::string, std::string, std::less<>>& map, std::string_view code) {
    const auto it = map.find(code);
    return it == map.end() ? nullptr : &it->second;
}

}  // namespace

const std::string* EibiCodeTables::LanguageName(std::string_view code) const { return Find(languages_, code); }
const std::string* EibiCodeTables::CountryName(std::string_view code) const { return Find(countries_, code); }
const std::string* EibiCodeTables::TargetName(std::string_view code) const { return Find(targets_, code); }

const EibiSite* EibiCodeTables::Site(std::string_view country, std::string_view code) const {
    const auto it = sites_.find(country);
    if (it == sites_.end() || it->second.empty()) return nullptr;
    if (code.empty()) return &it->second.front();
    for (const auto& site : it->second) {
        if (site.code == code) return &site;
    }
    return nullptr;
}

}  // namespace zofar
