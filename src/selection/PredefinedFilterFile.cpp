#include "selection/PredefinedFilterFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>

#include "base/AtomicFile.h"
#include "base/RegularFile.h"
#include "base/TextEncoding.h"
#include "base/TextRules.h"
#include "base/Utf8.h"

namespace zofar {

namespace {

// The members in the order of their fields.
constexpr std::array<uint32_t FilterCriteria::*, 16> kFlags = {
    &FilterCriteria::BFFrequency, &FilterCriteria::BFStation,  &FilterCriteria::BFCountry,
    &FilterCriteria::BFItu,       &FilterCriteria::BFLanguage, &FilterCriteria::BFTargetarea,
    &FilterCriteria::BFDay,       &FilterCriteria::BFOnair,    &FilterCriteria::BFTime,
    &FilterCriteria::BFStatus,    &FilterCriteria::BFP,        &FilterCriteria::BFStn,
    &FilterCriteria::BFLc,        &FilterCriteria::BFLocation, &FilterCriteria::BFExactMatch,
    &FilterCriteria::BFOnairNow,
};
constexpr std::array<std::string FilterCriteria::*, 14> kTexts = {
    &FilterCriteria::FStation,    &FilterCriteria::FCountry,   &FilterCriteria::FItu,   &FilterCriteria::FLanguage,
    &FilterCriteria::FTargetarea, &FilterCriteria::FDay,       &FilterCriteria::FStart, &FilterCriteria::FEnd,
    &FilterCriteria::FStatus,     &FilterCriteria::FP,         &FilterCriteria::FStn,   &FilterCriteria::FLc,
    &FilterCriteria::FLocation,   &FilterCriteria::FOnairTime,
};
static_assert(1 + kFlags.size() + 2 + kTexts.size() == kPredefinedFilterFieldCount);

constexpr std::size_t kFirstFlagField = 1;
constexpr std::size_t kFrequency1Field = kFirstFlagField + kFlags.size();
constexpr std::size_t kFrequency2Field = kFrequency1Field + 1;
constexpr std::size_t kFirstTextField = kFrequency2Field + 1;

bool BreaksLine(char c) { return c == kPredefinedFilterSeparator || c == '\r' || c == '\n'; }

std::optional<double> ReadFrequency(std::string_view field) {
    std::string text(field);
    double value = 0.0;
    if (!ParseNumberText(text, value)) return std::nullopt;
    return value;
}

// The byte length of the next line as a reader with a line buffer of the maximum length takes
// it: up to and including "\n", but never more than the maximum number of characters.
std::size_t PieceLength(std::string_view text, std::size_t start) {
    std::size_t i = start;
    for (std::size_t chars = 0; i < text.size() && chars < kPredefinedFilterMaxLineChars; ++chars) {
        if (NextCodePoint(text, i) == U'\n') break;
    }
    return i - start;
}

}  // namespace

bool IsStorableFilterName(std::string_view name) { return std::none_of(name.begin(), name.end(), BreaksLine); }

std::string StorableFilterText(std::string_view text) {
    std::string result(text);
    std::replace_if(result.begin(), result.end(), BreaksLine, ' ');
    return result;
}

FilterCriteria WithStorableTexts(FilterCriteria criteria) {
    for (const auto member : kTexts) criteria.*member = StorableFilterText(criteria.*member);
    return criteria;
}

std::string FormatPredefinedFilterLine(const CPredefFilter& entry) {
    const FilterCriteria& c = entry.criteria;
    std::string line = StorableFilterText(entry.name);
    line += kPredefinedFilterSeparator;
    for (const auto member : kFlags) {
        line += std::to_string(c.*member);
        line += kPredefinedFilterSeparator;
    }
    for (const double frequency : {c.FFrequency1, c.FFrequency2}) {
        line += FormatOneDecimal(frequency);
        line += kPredefinedFilterSeparator;
    }
    for (const auto member : kTexts) {
        line += StorableFilterText(c.*member);
        line += kPredefinedFilterSeparator;
    }
    line += '\n';
    return line;
}

std::optional<CPredefFilter> ParsePredefinedFilterLine(std::string_view line) {
    std::array<std::string_view, kPredefinedFilterFieldCount> fields{};
    std::size_t pos = 0;
    for (auto& field : fields) {
        if (pos > line.size()) break;  // the line ended without a separator: the rest stay empty
        const std::size_t separator = line.find(kPredefinedFilterSeparator, pos);
        if (separator == std::string_view::npos) {
            field = line.substr(pos);
            pos = line.size() + 1;
        } else {
            field = line.substr(pos, separator - pos);
            pos = separator + 1;
        }
    }

    const auto frequency1 = ReadFrequency(fields[kFrequency1Field]);
    const auto frequency2 = ReadFrequency(fields[kFrequency2Field]);
    if (!frequency1 || !frequency2) return std::nullopt;

    CPredefFilter entry;
    entry.name = std::string(fields[0]);
    FilterCriteria& c = entry.criteria;
    for (std::size_t k = 0; k < kFlags.size(); ++k) c.*kFlags[k] = fields[kFirstFlagField + k] == "0" ? 0 : 1;
    c.FFrequency1 = *frequency1;
    c.FFrequency2 = *frequency2;
    for (std::size_t k = 0; k < kTexts.size(); ++k) c.*kTexts[k] = std::string(fields[kFirstTextField + k]);
    return entry;
}

PredefinedFilterLoad ParsePredefinedFilterText(std::string_view bytes) {
    const std::string utf8 = ToUtf8Guessing(bytes);
    const std::string_view text = WithoutByteOrderMark(utf8);

    PredefinedFilterLoad load;
    for (std::size_t start = 0; start < text.size();) {
        if (load.entries.size() == kPredefinedFilterMaxEntries) {
            load.keepOldOnSave = true;
            break;
        }
        const std::string_view piece = text.substr(start, PieceLength(text, start));
        start += piece.size();
        // A piece that stops short of a line end, except at the end of the file, is part of a
        // longer line that now makes several entries: the file no longer reads back as it was.
        if (!piece.ends_with('\n') && start < text.size()) load.keepOldOnSave = true;
        if (auto entry = ParsePredefinedFilterLine(piece)) {
            load.entries.push_back(std::move(*entry));
        } else {
            load.keepOldOnSave = true;
        }
    }
    return load;
}

PredefinedFilterLoad LoadPredefinedFilterFile(const std::string& path) {
    if (const auto bytes = ReadRegularFile(path, kPredefinedFilterMaxFileBytes)) {
        return ParsePredefinedFilterText(*bytes);
    }
    // Only a file that is not there at all has nothing worth keeping.
    struct stat st {};
    const bool absent = ::stat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
    return PredefinedFilterLoad{{}, !absent};
}

bool SavePredefinedFilterFile(const std::string& path, const PredefinedFilterList& list, bool keepOld) {
    std::string text;
    for (const CPredefFilter& entry : list) text += FormatPredefinedFilterLine(entry);
    return WriteFileAtomically(path, text, keepOld ? kPredefinedFilterKeptSuffix : std::string_view{});
}

}  // namespace zofar
