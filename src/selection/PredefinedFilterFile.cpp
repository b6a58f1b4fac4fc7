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
#include "selection/CriterionTable.h"

namespace zofar {

namespace {

static_assert(1 + kStoredFieldCount == kPredefinedFilterFieldCount);

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
    for (const StoredField& field : StoredFields()) {
        if (field.text != nullptr) criteria.*field.text = StorableFilterText(criteria.*field.text);
    }
    return criteria;
}

std::string FormatPredefinedFilterLine(const CPredefFilter& entry) {
    const FilterCriteria& c = entry.criteria;
    std::string line = StorableFilterText(entry.name);
    line += kPredefinedFilterSeparator;
    for (const StoredField& field : StoredFields()) {
        if (field.flag != nullptr) {
            line += std::to_string(c.*field.flag);
        } else if (field.number != nullptr) {
            line += FormatOneDecimal(c.*field.number);
        } else {
            line += StorableFilterText(c.*field.text);
        }
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

    CPredefFilter entry;
    entry.name = std::string(fields[0]);
    FilterCriteria& c = entry.criteria;
    for (std::size_t k = 0; k < kStoredFieldCount; ++k) {
        const StoredField& field = StoredFields()[k];
        const std::string_view text = fields[1 + k];
        if (field.flag != nullptr) {
            c.*field.flag = text == "0" ? 0 : 1;
        } else if (field.number != nullptr) {
            const auto frequency = ReadFrequency(text);
            if (!frequency) return std::nullopt;
            c.*field.number = *frequency;
        } else {
            c.*field.text = std::string(text);
        }
    }
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
