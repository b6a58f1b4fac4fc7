#pragma once

// Lines of the fixed-width schedules (HFCC, Aoki) written field by field, and zips made with
// libzip, for the tests and the benchmarks.

#include <zip.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zofar::test {

/// Writes `text` into `line` at characters `first` to `last` (from 1), left-aligned or, with
/// `right`, right-aligned; the line grows with blanks as needed.
inline void PutField(std::string& line, std::size_t first, std::size_t last, std::string_view text,
                     bool right = false) {
    if (line.size() < last) line.resize(last, ' ');
    const std::size_t width = last - first + 1;
    text = text.substr(0, width);
    const std::size_t at = first - 1 + (right ? width - text.size() : 0);
    line.replace(at, text.size(), text);
}

/// The fields of one HFCC data line, as the schedule writes them.
struct HfccFields {
    std::string freq = "9410";
    std::string start = "0600";
    std::string stop = "0700";
    std::string ciraf = "27,28";
    std::string site = "NAU";
    std::string power = "250";
    std::string azimuth = "120";
    std::string days = "1234567";
    std::string from = "251025";
    std::string to = "280326";
    std::string mod = "D";
    std::string language = "E";
    std::string adm = "D";
    std::string broadcaster = "DWL";
    std::string notes = "";
};

inline std::string HfccLine(const HfccFields& f) {
    std::string line;
    PutField(line, 1, 5, f.freq, true);
    PutField(line, 7, 10, f.start);
    PutField(line, 12, 15, f.stop);
    PutField(line, 17, 46, f.ciraf);
    PutField(line, 48, 50, f.site);
    PutField(line, 52, 55, f.power, true);
    PutField(line, 57, 63, f.azimuth);
    PutField(line, 65, 67, "0");
    PutField(line, 69, 71, "218");
    PutField(line, 73, 79, f.days);
    PutField(line, 81, 86, f.from);
    PutField(line, 88, 93, f.to);
    PutField(line, 95, 95, f.mod);
    PutField(line, 97, 101, "");
    PutField(line, 103, 112, f.language);
    PutField(line, 114, 116, f.adm);
    PutField(line, 118, 120, f.broadcaster);
    PutField(line, 122, 124, "DWL");
    PutField(line, 126, 130, "12345", true);
    PutField(line, 152, 158, f.notes);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

/// A line of site.txt: code, name, administration, latitude ("52N38"), longitude ("012E54").
inline std::string HfccSiteLine(std::string_view code, std::string_view name, std::string_view adm,
                                std::string_view latitude, std::string_view longitude) {
    std::string line;
    PutField(line, 1, 3, code);
    PutField(line, 5, 34, name);
    PutField(line, 36, 38, adm);
    PutField(line, 40, 44, latitude);
    PutField(line, 46, 51, longitude);
    return line;
}

/// An HFCC schedule: its comment header, then `lines`, CR LF as HFCC writes it.
inline std::string HfccSchedule(const std::vector<std::string>& lines) {
    std::string text = ";HFCC A26 schedule\r\n;FREQ STRT STOP CIRAF ZONES\r\n";
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

/// The code tables of a small season, in code page 1252 ("Deutsche Welle" spelt with an
/// e-acute in place of the first "e" to carry a Latin-1 letter).
inline std::vector<std::pair<std::string, std::string>> HfccTables() {
    return {
        {"site.txt", ";site table\r\n" + HfccSiteLine("NAU", "Nauen", "D", "52N38", "012E54") + "\r\n" +
                         HfccSiteLine("ISS", "Issoudun", "F", "46N57", "001E59") + "\r\n"},
        {"broadcas.txt", "DWL Deutsch\xE9 Welle\r\nRFI Radio France Internationale\r\n"},
        {"admin.txt", "D   Germany\r\nF   France\r\n"},
        {"language.txt", "E         English\r\nF         French        fra\r\n"},
    };
}

/// Aoki's header with its columns starting at `starts` (FRE, STATION, UTC, Su-W-Sa, Language,
/// Pow, Azi, Location, ADM, L/L, Remarks), and a data line laid out the same way.
struct AokiLayout {
    std::vector<std::size_t> starts = {1, 7, 31, 41, 49, 61, 66, 70, 90, 94, 110};
};
inline std::string AokiRow(const AokiLayout& layout, const std::vector<std::string>& values) {
    std::string line;
    for (std::size_t c = 0; c < values.size() && c < layout.starts.size(); ++c) {
        const std::size_t last = c + 1 < layout.starts.size() ? layout.starts[c + 1] - 1 : layout.starts[c] + 40;
        PutField(line, layout.starts[c], last, values[c]);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}
inline std::string AokiHeader(const AokiLayout& layout) {
    return AokiRow(layout,
                   {"FRE", "STATION", "UTC", "Su-W-Sa", "Language", "Pow", "Azi", "Location", "ADM", "L/L", "Remarks"});
}
inline std::string AokiList(const AokiLayout& layout, const std::vector<std::vector<std::string>>& rows) {
    std::string text = "NDXC Aoki list B25  Day 1 = Sunday\r\n\r\n" + AokiHeader(layout) + "\r\n";
    for (const auto& row : rows) text += AokiRow(layout, row) + "\r\n";
    return text;
}

/// Writes a zip at `path` holding `entries` (name, bytes) in order; false when libzip fails.
inline bool WriteZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& entries) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) return false;
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source) zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

}  // namespace zofar::test
