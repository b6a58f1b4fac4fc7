#include "import/IlgListGenerator.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ostream>
#include <string_view>
#include <vector>

#include "base/TextEncoding.h"

namespace zofar {

namespace {

constexpr std::size_t kLineWidth = 297;

// Everything below is invented: the stations, their programmes and the transmitter sites are
// fictitious; only the country names, ITU codes, CIRAF zones and band edges are real-world.

struct Site {
    std::string_view location;
    std::string_view country;
    std::string_view itu;
    std::string_view region;
    int lonMinutes;  ///< east positive
    int latMinutes;  ///< north positive
    std::array<int, 3> powersKw;
    int area;  ///< target-area slot of the site's own region
};

struct Target {
    std::string_view text;
    std::string_view ciraf;
    std::array<int, 3> slots;  ///< target-area slot numbers, -1 when unused
    int latDeg;
    int lonDeg;
    bool domestic;
};

struct Station {
    std::string_view name;
    std::string_view stn;
    char programType;
    std::vector<int> sites;
    std::vector<std::string_view> languages;
    std::vector<int> targets;
    std::vector<std::string_view> programs;
    bool tropical;
};

// Slot numbers: 0 NA, 1 CA, 2 SA, 3 EU, 4 AF, 5 ME, 6 AS, 7 AU, 8 PA.
constexpr std::array<std::string_view, 9> kSlotCodes = {"NA", "CA", "SA", "EU", "AF", "ME", "AS", "AU", "PA"};

const std::vector<Site>& Sites() {
    static const std::vector<Site> sites = {
        {"Hohenweide", "Germany", "D", "Western Europe", 10 * 60 + 32, 52 * 60 + 7, {100, 250, 500}, 3},
        {"Saint-Aurèle", "France", "F", "Western Europe", 2 * 60 + 48, 47 * 60 + 31, {100, 250, 500}, 3},
        {"Lindvik", "Norway", "NOR", "Northern Europe", 11 * 60 + 20, 60 * 60 + 10, {50, 100, 250}, 3},
        {"Valdemoro Alto", "Spain", "E", "Southern Europe", -(3 * 60 + 55), 40 * 60 + 12, {100, 250, 350}, 3},
        {"Borgo San Ciriaco", "Italy", "I", "Southern Europe", 12 * 60 + 41, 42 * 60 + 5, {50, 100, 250}, 3},
        {"Kisréti", "Hungary", "HNG", "Central Europe", 18 * 60 + 2, 47 * 60 + 30, {100, 250, 250}, 3},
        {"Nørre Havsted", "Denmark", "DNK", "Northern Europe", 9 * 60 + 2, 56 * 60 + 30, {10, 50, 50}, 3},
        {"Gränsö", "Sweden", "S", "Northern Europe", 16 * 60 + 40, 57 * 60 + 45, {50, 100, 100}, 3},
        {"Ras Mahdia", "Tunisia", "TUN", "North Africa", 10 * 60 + 41, 35 * 60 + 30, {100, 250, 500}, 4},
        {"Kigoma Hill", "Tanzania", "TZA", "East Africa", 29 * 60 + 38, -(4 * 60 + 52), {10, 50, 100}, 4},
        {"Tsumkwe Flats", "Namibia", "NMB", "Southern Africa", 20 * 60 + 30, -(19 * 60 + 35), {25, 100, 100}, 4},
        {"Al Qurayyah", "Saudi Arabia", "ARS", "Middle East", 49 * 60 + 40, 25 * 60 + 50, {250, 500, 500}, 5},
        {"Chandrapur Road", "India", "IND", "South Asia", 79 * 60 + 18, 19 * 60 + 57, {50, 100, 250}, 6},
        {"Hwaseong-ri", "Korea (Rep.)", "KOR", "East Asia", 126 * 60 + 48, 37 * 60 + 11, {100, 250, 250}, 6},
        {"Bukit Merah Selatan", "Malaysia", "MLA", "South East Asia", 101 * 60 + 30, 3 * 60 + 10, {10, 50, 100}, 6},
        {"Warrinup", "Australia", "AUS", "Oceania", 116 * 60 + 12, -(31 * 60 + 45), {10, 100, 250}, 7},
        {"Kowhai Flat", "New Zealand", "NZL", "Oceania", 175 * 60 + 40, -(40 * 60 + 20), {50, 100, 100}, 8},
        {"Greenfield Ridge", "United States", "USA", "North America", -(84 * 60 + 17), 35 * 60 + 31, {50, 100, 250}, 0},
        {"Lac-Sainte-Irène", "Canada", "CAN", "North America", -(71 * 60 + 12), 46 * 60 + 48, {1, 10, 50}, 0},
        {"Cerro Pelado", "Argentina", "ARG", "South America", -(58 * 60 + 31), -(34 * 60 + 40), {10, 50, 100}, 2},
        {"São Bento do Pirá", "Brazil", "B", "South America", -(47 * 60 + 10), -(22 * 60 + 55), {1, 5, 10}, 2},
        {"Quebrada Honda", "Ecuador", "EQA", "South America", -(78 * 60 + 29), -(0 * 60 + 13), {1, 5, 10}, 2},
    };
    return sites;
}

const std::vector<Target>& Targets() {
    static const std::vector<Target> targets = {
        {"Eu", "18,27-29", {3, -1, -1}, 50, 10, false},        // 0
        {"WEu", "27,28", {3, -1, -1}, 48, 2, false},           // 1
        {"NAm", "4,5,7-9", {0, -1, -1}, 40, -95, false},       // 2
        {"CAm", "11,12", {1, -1, -1}, 15, -85, false},         // 3
        {"SAm", "12-16", {2, -1, -1}, -15, -58, false},        // 4
        {"NAf", "37,38", {4, -1, -1}, 30, 5, false},           // 5
        {"WAf", "46,47", {4, -1, -1}, 10, -5, false},          // 6
        {"EAf", "48,52,53", {4, -1, -1}, 0, 35, false},        // 7
        {"SAf", "52,53,57", {4, -1, -1}, -25, 25, false},      // 8
        {"ME", "39,40", {5, -1, -1}, 28, 45, false},           // 9
        {"SAs", "41,42", {6, -1, -1}, 22, 80, false},          // 10
        {"EAs", "43-45", {6, -1, -1}, 35, 120, false},         // 11
        {"SEAs", "49,54", {6, -1, -1}, 5, 110, false},         // 12
        {"Aus", "58-60", {7, -1, -1}, -25, 135, false},        // 13
        {"Pac", "62-65", {8, -1, -1}, -15, -170, false},       // 14
        {"NAf+ME", "37-40", {4, 5, -1}, 28, 25, false},        // 15
        {"Eu+NAf", "27-29,37,38", {3, 4, -1}, 42, 10, false},  // 16
        {"Am", "4-16", {0, 1, 2}, 10, -75, false},             // 17
        {"Dom", "", {-1, -1, -1}, 0, 0, true},                 // 18
    };
    return targets;
}

const std::vector<Station>& Stations() {
    static const std::vector<Station> stations = {
        {"Radio Meridian Intl",
         "RMI",
         'G',
         {0, 5},
         {"English", "German", "French", "Arabic"},
         {0, 2, 5, 7, 9, 16},
         {"Meridian Today", "World Desk"},
         false},
        {"Stimme vom Weidenberg",
         "SVW",
         'G',
         {0},
         {"German", "English", "Russian"},
         {0, 1, 2, 9},
         {"Weidenberg aktuell", "Heimatfunk"},
         false},
        {"Radio Côte d'Argent",
         "RCA",
         'C',
         {1, 8},
         {"French", "English", "Portuguese", "Hausa"},
         {1, 5, 6, 7, 15},
         {"Horizons", "Journal du monde"},
         false},
        {"Nordlys Kringkasting",
         "NLK",
         'G',
         {2},
         {"Norwegian", "English"},
         {0, 2, 18},
         {"Nordlys i dag", "Arctic Report"},
         false},
        {"Radio Valle Sereno",
         "RVS",
         'M',
         {3},
         {"Spanish", "English", "Arabic"},
         {1, 2, 4, 5, 17},
         {"Sereno Musical", "Noticias del Valle"},
         false},
        {"Voce del Tirreno",
         "VDT",
         'C',
         {4},
         {"Italian", "English", "French"},
         {0, 5, 9, 16},
         {"Ponte sul mare", "Tirreno sera"},
         false},
        {"Tiszavölgy Rádió",
         "TVR",
         'G',
         {5},
         {"Hungarian", "German", "English"},
         {0, 1, 2},
         {"Hírek és zene", "Magazine"},
         false},
        {"Idhaat Ras Mahdia",
         "IRM",
         'R',
         {8},
         {"Arabic", "French", "English"},
         {5, 6, 9, 15},
         {"Nida al-Bahr", "Cultural Hour"},
         false},
        {"Sauti ya Ziwa",
         "SYZ",
         'R',
         {9},
         {"Swahili", "English", "French", "Kirundi"},
         {7, 8, 18},
         {"Habari za Ziwa", "Morning Devotion"},
         true},
        {"Radio Pampa Austral",
         "RPA",
         'G',
         {19},
         {"Spanish", "English", "German", "Japanese"},
         {2, 4, 0, 11, 18},
         {"Pampa al día", "Tango Hour"},
         false},
        {"Rádio Vale do Pirá",
         "RVP",
         'R',
         {20},
         {"Portuguese", "Spanish"},
         {4, 18},
         {"Voz do Vale", "Música Caipira"},
         true},
        {"La Voz de Quebrada",
         "LVQ",
         'R',
         {21},
         {"Spanish", "Quechua", "English"},
         {4, 3, 18},
         {"Amanecer Andino", "Mensaje de Paz"},
         true},
        {"Ridgeline Gospel Radio",
         "RGR",
         'R',
         {17},
         {"English", "Spanish", "French"},
         {2, 3, 6, 17},
         {"Ridgeline Hour", "Hymns at Dusk"},
         false},
        {"Radio Sainte-Irène",
         "RSI",
         'C',
         {18},
         {"French", "English"},
         {2, 18},
         {"Le Fleuve", "Chronique du Nord"},
         false},
        {"Kowhai Pacific Radio",
         "KPR",
         'G',
         {16},
         {"English", "Tongan", "Samoan", "Maori"},
         {14, 13, 18},
         {"Pacific Morning", "Island News"},
         false},
        {"Outback Shortwave",
         "OBS",
         'M',
         {15},
         {"English", "Indonesian"},
         {13, 12, 18},
         {"Red Dirt Radio", "Outback Tracks"},
         true},
        {"Suara Bukit Merah",
         "SBM",
         'G',
         {14},
         {"Malay", "English", "Mandarin", "Tamil"},
         {12, 18, 13},
         {"Berita Petang", "Irama Malaysia"},
         true},
        {"Deccan Sky Radio",
         "DSR",
         'G',
         {12},
         {"Hindi", "English", "Tamil", "Bengali", "Nepali"},
         {10, 9, 12, 7, 18},
         {"Sky News Hour", "Geet Mala"},
         false},
        {"Hanbit Broadcasting",
         "HBS",
         'G',
         {13},
         {"Korean", "English", "Japanese", "Russian", "Mandarin"},
         {11, 12, 0, 2, 13},
         {"Hanbit Tonight", "Seoul Window"},
         false},
        {"Sawt al-Khalij al-Hurr",
         "SKH",
         'R',
         {11},
         {"Arabic", "English", "Urdu", "Persian"},
         {9, 10, 15, 0},
         {"Sawt al-Khalij", "Evening Recital"},
         false},
        {"Kalahari Wave",
         "KLW",
         'M',
         {10},
         {"English", "Afrikaans", "Portuguese"},
         {8, 7, 18},
         {"Dune Sessions", "Kalahari News"},
         true},
        {"Radio Nørre Havsted",
         "RNH",
         'G',
         {6},
         {"Danish", "English"},
         {0, 1, 18},
         {"Havsted i aften", "Nordic Mix"},
         false},
        {"Gränsö Kortvåg",
         "GKV",
         'M',
         {7},
         {"Swedish", "English", "Finnish"},
         {0, 2, 18},
         {"Kortvågsmagasinet", "Skärgårdsmusik"},
         false},
        {"World Harmony Mission",
         "WHM",
         'R',
         {9, 15, 17, 3, 11},
         {"English", "French", "Spanish", "Arabic", "Swahili", "Hindi", "Portuguese"},
         {2, 4, 5, 7, 9, 10, 13, 15, 17},
         {"Harmony Hour", "Words of Hope"},
         false},
    };
    return stations;
}

struct Band {
    int lowKhz;
    int highKhz;
    std::string_view meters;
};

// Tropical bands first (indices 0-3), then the international broadcast bands.
constexpr std::array<Band, 14> kBands = {{
    {2300, 2495, "120m"},
    {3200, 3400, "90m"},
    {3900, 4000, "75m"},
    {4750, 5060, "60m"},
    {5900, 6200, "49m"},
    {7200, 7600, "41m"},
    {9400, 9900, "31m"},
    {11600, 12100, "25m"},
    {13570, 13870, "22m"},
    {15100, 15800, "19m"},
    {17480, 17900, "16m"},
    {18900, 19020, "15m"},
    {21450, 21850, "13m"},
    {25670, 26000, "11m"},
}};
constexpr std::array<int, 10> kBroadcastBandWeights = {14, 16, 18, 14, 6, 12, 8, 2, 4, 1};

constexpr std::array<int, 8> kStartMinutes = {0, 0, 0, 0, 30, 30, 15, 45};
constexpr std::array<int, 13> kDurations = {15, 30, 30, 45, 60, 60, 60, 60, 90, 120, 120, 180, 240};
constexpr std::array<std::string_view, 6> kOddDays = {"135", "246", "1", "5", "6", "2467"};
constexpr std::array<std::string_view, 7> kRemarks = {"irregular", "alt. freq.", "summer only",  "special events",
                                                      "test",      "tentative",  "weekends only"};

// tan(k degrees) * 10000 for k = 0..45, and cos(10k degrees) * 10000 for k = 0..9: integer
// bearings come out the same on every platform, which floating-point library calls need not.
constexpr std::array<int, 46> kTan = {0,    175,  349,  524,  699,  875,  1051, 1228, 1405, 1584, 1763, 1944,
                                      2126, 2309, 2493, 2679, 2867, 3057, 3249, 3443, 3640, 3839, 4040, 4245,
                                      4452, 4663, 4877, 5095, 5317, 5543, 5774, 6009, 6249, 6494, 6745, 7002,
                                      7265, 7536, 7813, 8098, 8391, 8693, 9004, 9325, 9657, 10000};
constexpr std::array<int, 10> kCos = {10000, 9848, 9397, 8660, 7660, 6428, 5000, 3420, 1736, 0};

int AtanDegrees(long long small, long long large) {
    if (large == 0) return 0;
    const long long ratio = small * 10000 / large;
    int k = 0;
    while (k < 45 && kTan[static_cast<std::size_t>(k + 1)] <= ratio) ++k;
    return k;
}

// Compass bearing on a flat map scaled by the cosine of the middle latitude: rough, but it
// points the right way, which is all a sample list needs.
int Bearing(const Site& site, const Target& target) {
    long long dLon = target.lonDeg * 60LL - site.lonMinutes;
    if (dLon > 180 * 60) dLon -= 360 * 60;
    if (dLon < -180 * 60) dLon += 360 * 60;
    const long long dLat = target.latDeg * 60LL - site.latMinutes;
    const int midLat = std::abs(target.latDeg * 60 + site.latMinutes) / 2 / 60;
    const long long east = dLon * kCos[static_cast<std::size_t>(std::min(midLat / 10, 9))] / 10000;
    const long long north = dLat;
    const long long ax = east < 0 ? -east : east;
    const long long ay = north < 0 ? -north : north;
    const int a = ax <= ay ? AtanDegrees(ax, ay) : 90 - AtanDegrees(ay, ax);
    int bearing = 0;
    if (east >= 0 && north >= 0)
        bearing = a;
    else if (east >= 0)
        bearing = 180 - a;
    else if (north < 0)
        bearing = 180 + a;
    else
        bearing = 360 - a;
    return bearing % 360;
}

std::string Cp(std::string_view utf8) { return Utf8ToCp1252(utf8); }

void Put(std::string& line, std::size_t column, std::size_t width, std::string_view text) {
    const std::size_t n = std::min(width, text.size());
    line.replace(column, n, text.substr(0, n));
}

void PutRight(std::string& line, std::size_t column, std::size_t width, std::string_view text) {
    const std::size_t n = std::min(width, text.size());
    line.replace(column + width - n, n, text.substr(0, n));
}

std::string TwoDigits(int n) {
    return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

std::string HourMinutes(int minutes) { return TwoDigits(minutes / 60) + TwoDigits(minutes % 60); }

std::string Coordinate(int minutes, int degreeDigits, char positive, char negative) {
    const int a = std::abs(minutes);
    std::string degrees = std::to_string(a / 60);
    degrees.insert(0, static_cast<std::size_t>(std::max(0, degreeDigits - static_cast<int>(degrees.size()))), '0');
    return degrees + (minutes < 0 ? negative : positive) + TwoDigits(a % 60);
}

}  // namespace

IlgListGenerator::IlgListGenerator(std::uint32_t seed, double malformedShare)
    : rng_(seed),
      malformedPerMillion_(static_cast<std::uint32_t>(std::clamp(malformedShare, 0.0, 1.0) * 1000000.0 + 0.5)) {}

std::uint32_t IlgListGenerator::Below(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }

std::string IlgListGenerator::NextLine() {
    const bool first = linesMade_++ == 0;
    if (!first && malformedPerMillion_ > 0 && Below(1000000) < malformedPerMillion_) return BrokenLine();
    return DataLine() + "\n";
}

bool IlgListGenerator::Write(std::ostream& out, std::int64_t lineCount) {
    for (std::int64_t i = 0; i < lineCount && out; ++i) {
        const std::string line = NextLine();
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    return static_cast<bool>(out);
}

std::string IlgListGenerator::DataLine() {
    const auto& stations = Stations();
    const Station& station = stations[Below(static_cast<std::uint32_t>(stations.size()))];
    const Site& site =
        Sites()[static_cast<std::size_t>(station.sites[Below(static_cast<std::uint32_t>(station.sites.size()))])];
    const Target& target =
        Targets()[static_cast<std::size_t>(station.targets[Below(static_cast<std::uint32_t>(station.targets.size()))])];

    std::string line(kLineWidth, ' ');

    std::size_t band = 0;
    if (station.tropical && Below(3) != 0) {
        band = Below(4);
    } else {
        int pick = static_cast<int>(Below(95));
        band = 4;
        while (band < kBands.size() - 1 && pick >= kBroadcastBandWeights[band - 4]) {
            pick -= kBroadcastBandWeights[band - 4];
            ++band;
        }
    }
    const Band& b = kBands[band];
    const int khz = b.lowKhz + 5 * static_cast<int>(Below(static_cast<std::uint32_t>((b.highKhz - b.lowKhz) / 5 + 1)));
    std::string freq = std::to_string(khz);
    if (band < 4 && Below(6) == 0) freq = std::to_string(khz) + "." + std::to_string(Below(10));
    PutRight(line, 0, 7, freq);

    Put(line, 7, 22, Cp(station.name));

    int start = 0;
    int end = 0;
    if (Below(40) == 0) {
        end = 24 * 60;
    } else {
        start = 60 * static_cast<int>(Below(24)) + kStartMinutes[Below(kStartMinutes.size())];
        end = start + kDurations[Below(kDurations.size())];
        if (end > 24 * 60) end -= 24 * 60;
    }
    Put(line, 29, 9, HourMinutes(start) + "-" + HourMinutes(end));

    const std::uint32_t dayPick = Below(20);
    std::string_view days;
    if (dayPick == 14 || dayPick == 15)
        days = "1234567";
    else if (dayPick == 16)
        days = "67";
    else if (dayPick == 17)
        days = "12345";
    else if (dayPick == 18)
        days = "7";
    else if (dayPick == 19)
        days = kOddDays[Below(kOddDays.size())];
    Put(line, 38, 7, days);

    Put(line, 45, 18, Cp(station.languages[Below(static_cast<std::uint32_t>(station.languages.size()))]));

    // Columns 63-110 hold the band and the season in real lists; the import does not read them.
    Put(line, 63, 5, b.meters);
    Put(line, 70, 3, Below(2) == 0 ? "A25" : "B25");
    Put(line, 75, 13, Below(2) == 0 ? "250330-251025" : "251026-260328");

    Put(line, 111, 8, target.text);
    Put(line, 119, 25, Cp(site.location));
    PutRight(line, 144, 7, std::to_string(site.powersKw[Below(3)]));
    PutRight(line, 151, 3, target.domestic ? "ND" : std::to_string(Bearing(site, target)));
    if (Below(8) == 0) Put(line, 154, 15, kRemarks[Below(kRemarks.size())]);

    const std::uint32_t modePick = Below(25);
    line[169] = modePick < 2 ? 'D' : modePick == 2 ? 'U' : modePick == 3 ? ' ' : 'A';

    for (const int slot : target.slots) {
        if (slot >= 0)
            Put(line, 170 + 2 * static_cast<std::size_t>(slot), 2, kSlotCodes[static_cast<std::size_t>(slot)]);
    }
    if (target.domestic)
        Put(line, 170 + 2 * static_cast<std::size_t>(site.area), 2, kSlotCodes[static_cast<std::size_t>(site.area)]);
    Put(line, 188, 30, target.ciraf);

    Put(line, 218, 5, station.stn);
    Put(line, 223, 3, site.itu);
    Put(line, 226, 18, Cp(site.country));
    Put(line, 244, 6, Coordinate(site.lonMinutes, 3, 'E', 'W'));
    Put(line, 250, 5, Coordinate(site.latMinutes, 2, 'N', 'S'));
    Put(line, 255, 20, site.region);
    line[275] = station.programType;
    Put(line, 276, 20, Cp(station.programs[Below(static_cast<std::uint32_t>(station.programs.size()))]));
    const std::uint32_t statusPick = Below(30);
    line[296] = statusPick == 0 ? 'P' : statusPick == 1 ? 'T' : ' ';
    return line;
}

std::string IlgListGenerator::BrokenLine() {
    switch (Below(10)) {
    case 0: return Below(2) == 0 ? "\n" : std::string(1 + Below(40), ' ') + "\n";
    case 1: return DataLine().substr(0, 1 + Below(295)) + "\n";
    case 2: {
        std::string line = DataLine();
        constexpr std::string_view kWrong = "/ ._;";
        line[33] = kWrong[Below(kWrong.size())];
        return line + "\n";
    }
    case 3: {
        std::string line = DataLine();
        line[6] = "OlkZ"[Below(4)];
        return line + "\n";
    }
    case 4: {
        std::string line = DataLine();
        std::string_view freq(line.data(), 7);
        freq.remove_prefix(std::min(freq.find_first_not_of(' '), freq.size()));
        std::string left(freq);
        left.resize(7, ' ');
        line.replace(0, 7, left);
        return line + "\n";
    }
    case 5: {
        std::string line = DataLine();
        const std::uint32_t extra = 200 + Below(1200);
        for (std::uint32_t i = 0; i < extra; ++i) line += static_cast<char>('!' + Below(94));
        return line + "\n";
    }
    case 6: {
        std::string line = DataLine();
        line[7 + Below(22)] = '\0';
        line[45 + Below(18)] = '\t';
        line[119 + Below(25)] = '\x1a';
        return line + "\r\n";
    }
    case 7: {
        std::string line = DataLine();
        Put(line, 170, 18, std::string(18, ' '));
        Put(line, 176, 2, Below(2) == 0 ? "eu" : "AF");
        return line + "\n";
    }
    case 8: {
        std::string line = DataLine();
        line[29 + Below(4)] = 'O';
        line[34 + Below(4)] = 'x';
        return line + "\n";
    }
    default: {
        std::string garbage;
        const std::uint32_t size = 1 + Below(600);
        for (std::uint32_t i = 0; i < size; ++i) garbage += static_cast<char>(Below(256));
        return garbage + "\n";
    }
    }
}

}  // namespace zofar
