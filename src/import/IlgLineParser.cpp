#include "import/IlgLineParser.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "base/TextEncoding.h"

namespace zofar {

namespace {

// Column numbers of ZOFTABLE, in the order of the column table.
constexpr int kStation = 2, kStn = 3, kModu = 4, kStatus = 5, kLocation = 6, kRegion = 7, kCountry = 8, kItu = 9,
              kLc = 10, kStart = 11, kEnd = 12, kDays = 13, kLanguage = 14, kTarget = 15, kTargetAr = 16, kCiraf = 17,
              kProgram = 18, kP = 19, kRemarks = 20, kPower = 21, kAzi = 22, kLongi = 23, kLati = 24;

struct Slice {
    std::size_t begin;
    std::size_t width;
    int column;
};

// The fields copied as they stand in the line.
constexpr std::array<Slice, 19> kPlainFields = {{
    {7, 22, kStation},  {38, 7, kDays}, {45, 18, kLanguage}, {111, 8, kTarget}, {119, 25, kLocation},
    {144, 7, kPower},   {151, 3, kAzi}, {154, 15, kRemarks}, {169, 1, kModu},   {188, 30, kCiraf},
    {218, 5, kStn},     {223, 3, kItu}, {226, 18, kCountry}, {244, 6, kLongi},  {250, 5, kLati},
    {255, 20, kRegion}, {275, 1, kP},   {276, 20, kProgram}, {296, 1, kStatus},
}};

constexpr std::size_t kFreqBegin = 0, kFreqWidth = 7;
constexpr std::size_t kTimeBegin = 29, kTimeWidth = 9, kSeparator = 33;
constexpr std::size_t kSlotBegin = 170;
constexpr std::array<std::string_view, 9> kSlotCodes = {"NA", "CA", "SA", "EU", "AF", "ME", "AS", "AU", "PA"};

// Characters beyond the end of the read are absent: the slice keeps what is there.
std::string_view Cut(std::string_view data, std::size_t begin, std::size_t width) {
    if (begin >= data.size()) return {};
    return data.substr(begin, width);
}

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when no byte is above 0x7F: such bytes are their own UTF-8. Looked at eight at a time.
bool IsAscii(std::string_view bytes) {
    uint64_t seen = 0;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        seen |= word;
    }
    for (; i < bytes.size(); ++i) seen |= static_cast<uint8_t>(bytes[i]);
    return (seen & 0x8080808080808080ull) == 0;
}

}  // namespace

double ParseIlgFrequency(std::string_view field) {
    const std::size_t n = field.size();
    std::size_t i = 0;
    while (i < n && IsCSpace(field[i])) ++i;
    const std::size_t numberBegin = i;
    if (i < n && (field[i] == '+' || field[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(field[i])) ++i, ++digits;
    if (i < n && field[i] == '.') {
        ++i;
        while (i < n && IsDigit(field[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < n && (field[i] == 'e' || field[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (field[j] == '+' || field[j] == '-')) ++j;
        std::size_t k = j;
        while (k < n && IsDigit(field[k])) ++k;
        if (k > j) i = k;
    }
    if (i != n) return 0.0;

    std::string_view number = field.substr(numberBegin);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) return 0.0;
    return value;
}

void IlgLineParser::SetConverted(int column, std::string_view bytes) {
    auto& value = record_.text[static_cast<std::size_t>(column)];
    if (!value) value.emplace();
    if (asciiRead_) {
        value->assign(bytes);
        return;
    }
    value->clear();
    AppendCp1252ToUtf8(*value, bytes);
}

const BroadcastRecord* IlgLineParser::Parse(std::string_view read) {
    // The line end counts towards the read's length but never becomes part of a value: a list
    // whose editor dropped the trailing blanks would otherwise put it into STATUS or PROGRAM.
    std::string_view data = read;
    if (!data.empty() && data.back() == '\n') data.remove_suffix(1);

    const std::string_view time = Cut(data, kTimeBegin, kTimeWidth);
    if (time.size() < kTimeWidth) return nullptr;
    const char separator = data[kSeparator];
    if (separator != '-' && separator != ':' && separator != '=') return nullptr;

    // Most lists are plain ASCII, whose slices need no conversion.
    asciiRead_ = IsAscii(data);
    const auto setTime = [this](int column, std::string_view hhmm) {
        SetConverted(column, hhmm.substr(0, 2));
        auto& value = *record_.text[static_cast<std::size_t>(column)];
        value.push_back(':');
        AppendCp1252ToUtf8(value, hhmm.substr(2, 2));
    };
    setTime(kStart, time.substr(0, 4));
    setTime(kEnd, time.substr(5, 4));
    record_.freq = ParseIlgFrequency(Cut(data, kFreqBegin, kFreqWidth));
    for (const auto& field : kPlainFields) SetConverted(field.column, Cut(data, field.begin, field.width));
    SetConverted(kLc, " ");

    areas_.clear();
    for (std::size_t slot = 0; slot < kSlotCodes.size(); ++slot) {
        if (Cut(data, kSlotBegin + 2 * slot, 2) == kSlotCodes[slot]) areas_.append(kSlotCodes[slot]).append(" ");
    }
    auto& targetAreas = record_.text[kTargetAr];
    if (areas_.empty()) {
        targetAreas.reset();
    } else {
        targetAreas = areas_;
    }
    return &record_;
}

std::optional<BroadcastRecord> ParseIlgLine(std::string_view read) {
    IlgLineParser parser;
    const BroadcastRecord* record = parser.Parse(read);
    if (!record) return std::nullopt;
    return *record;
}

}  // namespace zofar
