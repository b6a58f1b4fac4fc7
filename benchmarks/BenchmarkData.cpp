#include "BenchmarkData.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <stdexcept>

#include "store/RecordStore.h"

namespace zofar::bench {

namespace {

class ThrowingReporter : public StoreErrorReporter {
public:
    void ReportStoreError(const std::string& d) override { throw std::runtime_error(d); }
};

const char* const kStations[] = {"Radio Nord",
                                 "Voice of the Coast",
                                 "BBC World Service",
                                 "Radio \u00D6sterreich 1",
                                 "Deutsche Welle",
                                 "Radio Caf\u00E9 Lisboa",
                                 "China Radio Intl",
                                 "All India Radio",
                                 "KBS World Radio",
                                 "Radio Habana Cuba",
                                 "WRMI",
                                 "Radio Tirana",
                                 "Sound of Hope",
                                 "Radio Mart\u00ED",
                                 "R. Educaci\u00F3n",
                                 "Trans World Radio",
                                 "HCJB",
                                 "NHK World",
                                 "Radio Romania Int",
                                 "Vatican Radio"};
const char* const kCountries[] = {
    "Germany", "United Kingdom", "\u00D6sterreich", "Portugal", "China", "India",  "Korea (South)", "Cuba",
    "USA",     "Albania",        "Taiwan",          "Ecuador",  "Japan", "Romania"};
const char* const kLanguages[] = {"English",    "German", "French",   "Spanish", "Arabic", "Chinese", "Russian",
                                  "Portuguese", "Hindi",  "Japanese", "Korean",  "Farsi",  "Swahili", "Esperanto"};
const char* const kDays[] = {"", "", "", "1234567", "12345", "67", "1 3 5", "7", "246", ""};
const char* const kAreas[] = {"EU ", "NA ", "AF ME ", "AS ", "SA CA ", "EU AF ", "AU PA ", "ME "};

std::string Time(int minutes) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", (minutes / 60) % 24, minutes % 60);
    return buf;
}

std::string Build(int records) {
    const auto path = (std::filesystem::temp_directory_path() /
                       ("zofar-bench-" + std::to_string(records) + "-" + std::to_string(getpid()) + ".mdb"))
                          .string();
    std::filesystem::remove(path);
    ThrowingReporter reporter;
    RecordStore store(reporter);
    store.CreateDatabaseFile(path, "BENCH");
    store.BeginImport();
    std::mt19937 rng(4711);
    auto pick = [&rng](auto& list) { return list[rng() % (sizeof(list) / sizeof(list[0]))]; };
    for (int i = 0; i < records; ++i) {
        BroadcastRecord r;
        r.freq = 2300.0 + static_cast<double>(rng() % 237000) / 10.0;
        r.SetText(2, pick(kStations));
        r.SetText(3, std::to_string(rng() % 1000));
        r.SetText(4, "A");
        r.SetText(5, rng() % 10 == 0 ? "I" : "");
        r.SetText(6, "Site " + std::to_string(rng() % 400));
        r.SetText(7, "Region " + std::to_string(rng() % 50));
        r.SetText(8, pick(kCountries));
        r.SetText(9, std::string(1, static_cast<char>('A' + rng() % 26)));
        r.SetText(10, " ");
        const int start = static_cast<int>(rng() % 96) * 15;
        const int length = 15 * (1 + static_cast<int>(rng() % 16));
        r.SetText(11, rng() % 200 == 0 ? "..:.." : Time(start));
        r.SetText(12, Time(start + length));
        if (const char* d = pick(kDays); rng() % 5 != 0) r.SetText(13, d);
        r.SetText(14, pick(kLanguages));
        r.SetText(15, "ZONE");
        r.SetText(16, pick(kAreas));
        r.SetText(17, std::to_string(rng() % 60) + "," + std::to_string(rng() % 60));
        r.SetText(18, "Program " + std::to_string(rng() % 30));
        r.SetText(19, std::string(1, "NMR"[rng() % 3]));
        r.SetText(20, rng() % 3 == 0 ? "irregular" : "");
        r.SetText(21, std::to_string(50 + rng() % 500));
        r.SetText(22, std::to_string(rng() % 360));
        r.SetText(23, std::to_string(rng() % 180) + "E" + std::to_string(rng() % 60));
        r.SetText(24, std::to_string(rng() % 90) + "N" + std::to_string(rng() % 6));
        store.AddRecord(r);
    }
    store.CommitImport();
    store.CloseStore();
    return path;
}

// Removes the databases built for this run when the benchmark program ends.
struct BuiltDatabases {
    std::map<int, std::string> paths;
    ~BuiltDatabases() {
        for (const auto& entry : paths) {
            std::error_code ec;
            std::filesystem::remove(entry.second, ec);
        }
    }
};

}  // namespace

const std::string& SharedDatabase(int records) {
    static BuiltDatabases databases;
    auto& built = databases.paths;
    auto it = built.find(records);
    if (it == built.end()) it = built.emplace(records, Build(records)).first;
    return it->second;
}

std::string OnAirCondition() {
    return "(((START < END AND START <= '14:05' AND END > '14:05') OR (START > END AND NOT (END <= '14:05' AND "
           "START > '14:05'))) AND (DAYS IS NULL OR DAYS LIKE '' OR DAYS LIKE '*3*'))";
}

}  // namespace zofar::bench
