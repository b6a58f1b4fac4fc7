#include "import/EibiRecord.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

#include "base/TextEncoding.h"
#include "import/EibiDays.h"
#include "import/EibiSchedule.h"

namespace zofar {

namespace {

// Column numbers of ZOFTABLE, in the order of the column table.
constexpr int kStation = 2, kModu = 4, kStatus = 5, kLocation = 6, kRegion = 7, kCountry = 8, kItu = 9, kLc = 10,
              kStart = 11, kEnd = 12, kDays = 13, kLanguage = 14, kTarget = 15, kTargetAr = 16, kP = 19, kRemarks = 20,
              kLongi = 23, kLati = 24;

// Fields of a schedule line in file order; the start and stop dates go to the extension fields.
enum Field : std::size_t {
    kFreqField,
    kTimeField,
    kDaysField,
    kItuField,
    kStationField,
    kLanguageField,
    kTargetField,
    kRemarksField,
    kPField,
    kStartDateField,
    kStopDateField,
    kFieldCount
};

struct Continent {
    std::string_view code;
    std::string_view targets;  // blank-separated target-area codes
};

constexpr std::array<Continent, 9> kContinents = {{
    {"NA", "ALS Am CAN CNA ENA GRL NAO NAm USA WNA"},
    {"CA", "Am BAH BER CAm CUB Car LAm MEX"},
    {"SA", "ARG Am B BOL CHL CLM EQA LAm PRU SAO SAm URG VEN"},
    {"EU", "AZR BLR BUL CEu CIS D E EEu Eu F FIN G HNG HOL I IRL MDR NAO NEu NOR POR ROU RUS SEE SEu UKR WEu"},
    {"AF", "AGL ALG Af CAf COD EAf EGY ETH MDG MOZ MRC NAf NIG SAf SDN SEY SSD TUN WAf"},
    {"ME", "ARS Cau EGY IRN IRQ ME TUR"},
    {"AS",
     "AFG As BGD BTN CAs CHN CIS CLN FE IND INS J KOR KRE MLA MNG MYA NAs NIn NPL PAK PHL SAs SEA SIn Sib "
     "THA TWN Tib VTN"},
    {"AU", "AUS NZL Oc SOc Tas WOc"},
    {"PA", "EOc NOc Oc PNG SLM VUT"},
}};
constexpr std::string_view kGlobal = "Glo";

struct Direction {
    char letter;
    std::string_view word;
};
constexpr std::array<Direction, 5> kDirections = {
    {{'C', "Central"}, {'E', "East"}, {'N', "North"}, {'S', "South"}, {'W', "West"}}};

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::array<std::string_view, kFieldCount> SplitFields(std::string_view line) {
    std::array<std::string_view, kFieldCount> fields{};
    std::size_t pos = 0;
    for (std::size_t f = 0; f < kFieldCount && pos <= line.size(); ++f) {
        const auto end = std::min(line.find(';', pos), line.size());
        fields[f] = line.substr(pos, end - pos);
        pos = end + 1;
    }
    return fields;
}

bool ContainsCode(std::string_view list, std::string_view code) {
    std::size_t pos = 0;
    while (pos < list.size()) {
        const auto end = std::min(list.find(' ', pos), list.size());
        if (list.substr(pos, end - pos) == code) return true;
        pos = end + 1;
    }
    return false;
}

// A decimal number, nothing before or after it; infinities and NaN are not frequencies.
std::optional<double> ReadFrequency(std::string_view text) {
    if (text.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "HHMM" as "HH:MM" when it is a time of day; "2400" is the end of the day.
std::optional<std::string> ReadTime(std::string_view hhmm) {
    for (const char c : hhmm) {
        if (!IsDigit(c)) return std::nullopt;
    }
    const int hours = (hhmm[0] - '0') * 10 + (hhmm[1] - '0');
    const int minutes = (hhmm[2] - '0') * 10 + (hhmm[3] - '0');
    if (minutes > 59 || hours > 24 || (hours == 24 && minutes != 0)) return std::nullopt;
    std::string time;
    time.append(hhmm.substr(0, 2)).append(":").append(hhmm.substr(2, 2));
    return time;
}

std::string Fit(int column, std::string_view text) {
    return std::string(Utf8Prefix(text, static_cast<std::size_t>(kColumnTable[static_cast<std::size_t>(column)].size)));
}

std::vector<std::string_view> SplitCodes(std::string_view list) {
    std::vector<std::string_view> codes;
    std::size_t pos = 0;
    while (true) {
        const auto end = std::min(list.find(',', pos), list.size());
        codes.push_back(Trim(list.substr(pos, end - pos)));
        if (end == list.size()) break;
        pos = end + 1;
    }
    return codes;
}

std::string LanguageNames(const EibiCodeTables& codes, std::string_view languages) {
    std::string names;
    bool first = true;
    for (const auto code : SplitCodes(languages)) {
        if (!first) names += ',';
        first = false;
        const std::string* name = codes.LanguageName(code);
        names += name ? std::string_view(*name) : code;
    }
    return names;
}

// "C" for Morse, "D" for teletype and data, "U" and "L" for the sidebands, "A" otherwise.
std::string_view Modulation(std::string_view languages, std::string_view days) {
    for (const auto code : SplitCodes(languages)) {
        if (code == "-CW") return "C";
        if (code == "-TY" || code == "-HF") return "D";
    }
    if (days == "USB") return "U";
    if (days == "LSB") return "L";
    return "A";
}

// Persistence 8 is an inactive entry, for a utility station as well (90 added).
bool IsInactive(std::string_view persistence) { return persistence == "8" || persistence == "98"; }

}  // namespace

std::string EibiTargetAreas(std::string_view target) {
    const bool global = target == kGlobal;
    std::string areas;
    for (const auto& continent : kContinents) {
        if (global || ContainsCode(continent.targets, target)) areas.append(continent.code).append(" ");
    }
    return areas;
}

std::string EibiRegionName(const EibiCodeTables& codes, std::string_view target) {
    if (const std::string* name = codes.TargetName(target)) return *name;
    if (const std::string* name = codes.CountryName(target)) return *name;
    if (target.size() > 1) {
        const std::string_view rest = target.substr(1);
        const std::string* name = codes.TargetName(rest);
        if (!name) name = codes.CountryName(rest);
        if (name) {
            for (const auto& direction : kDirections) {
                if (direction.letter == target.front()) return std::string(direction.word) + " " + *name;
            }
        }
    }
    return std::string(target);
}

const EibiSite* EibiTransmitterSite(const EibiCodeTables& codes, std::string_view remarks, std::string_view itu) {
    if (!remarks.empty() && remarks.front() == '/') {
        const std::string_view rest = remarks.substr(1);
        const auto dash = rest.find('-');
        if (dash == std::string_view::npos) return codes.Site(rest, {});
        const std::string_view site = rest.substr(dash + 1);
        if (site.empty()) return nullptr;
        return codes.Site(rest.substr(0, dash), site);
    }
    if (remarks.size() > 3) return nullptr;
    return codes.Site(itu, remarks);
}

std::optional<BroadcastRecord> ParseEibiLine(std::string_view line, const EibiCodeTables* codes, char season) {
    const auto fields = SplitFields(line);

    const auto freq = ReadFrequency(Trim(fields[kFreqField]));
    if (!freq) return std::nullopt;
    const std::string_view time = Trim(fields[kTimeField]);
    if (time.size() != 9 || time[4] != '-') return std::nullopt;
    auto start = ReadTime(time.substr(0, 4));
    auto end = ReadTime(time.substr(5, 4));
    if (!start || !end) return std::nullopt;

    BroadcastRecord record;
    record.freq = *freq;
    record.SetText(kStart, std::move(*start));
    record.SetText(kEnd, std::move(*end));

    const std::string_view days = Trim(fields[kDaysField]);
    const std::string_view itu = Trim(fields[kItuField]);
    const std::string_view languages = Trim(fields[kLanguageField]);
    const std::string_view target = Trim(fields[kTargetField]);
    const std::string_view remarks = Trim(fields[kRemarksField]);
    const std::string_view persistence = Trim(fields[kPField]);

    record.SetText(kItu, Fit(kItu, fields[kItuField]));
    record.SetText(kStation, Fit(kStation, fields[kStationField]));
    record.SetText(kTarget, Fit(kTarget, fields[kTargetField]));
    record.SetText(kRemarks, Fit(kRemarks, fields[kRemarksField]));
    record.SetText(kP, Fit(kP, fields[kPField]));
    record.SetText(kModu, std::string(Modulation(languages, days)));
    if (IsInactive(persistence)) record.SetText(kStatus, "I");
    record.SetText(kLc, " ");
    if (auto areas = EibiTargetAreas(target); !areas.empty()) record.SetText(kTargetAr, std::move(areas));
    SetEibiSchedule(record, fields[kDaysField], persistence, fields[kStartDateField], fields[kStopDateField], season);

    if (codes) {
        record.SetText(kLanguage, Fit(kLanguage, LanguageNames(*codes, languages)));
        record.SetText(kRegion, Fit(kRegion, EibiRegionName(*codes, target)));
        if (const std::string* country = codes->CountryName(itu)) record.SetText(kCountry, Fit(kCountry, *country));
        if (const EibiSite* site = EibiTransmitterSite(*codes, remarks, itu)) {
            record.SetText(kLocation, Fit(kLocation, site->name));
            if (!site->latitude.empty()) {
                record.SetText(kLati, site->latitude);
                record.SetText(kLongi, site->longitude);
            }
        }
    }
    return record;
}

}  // namespace zofar
