#include "import/AokiRecord.h"

#include <string>

#include "base/TextLines.h"
#include "import/ScheduleFields.h"

namespace zofar {

namespace {

// Column numbers of ZOFTABLE, in the order of the column table.
constexpr int kStation = 2, kModu = 4, kLocation = 6, kCountry = 8, kItu = 9, kStart = 11, kEnd = 12, kDays = 13,
              kLanguage = 14, kRemarks = 20, kPower = 21, kAzi = 22, kLongi = 23, kLati = 24;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Angle {
    int degrees = 0;
    int minutes = 0;
    char hemisphere = 0;
};

// Reads degrees of `degreeDigits` digits, minutes, optional seconds and a hemisphere at `i`.
std::optional<Angle> ReadAngle(std::string_view text, std::size_t& i, std::size_t degreeDigits,
                               std::string_view hemispheres) {
    const std::size_t begin = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    const std::size_t digits = i - begin;
    if ((digits != degreeDigits + 2 && digits != degreeDigits + 4) || i >= text.size() ||
        hemispheres.find(text[i]) == std::string_view::npos)
        return std::nullopt;
    Angle angle;
    for (std::size_t k = 0; k < degreeDigits; ++k) angle.degrees = angle.degrees * 10 + (text[begin + k] - '0');
    angle.minutes = (text[begin + degreeDigits] - '0') * 10 + (text[begin + degreeDigits + 1] - '0');
    if (digits == degreeDigits + 4 && (text[begin + degreeDigits + 2] - '0') > 5) return std::nullopt;
    angle.hemisphere = text[i++];
    if (angle.minutes > 59) return std::nullopt;
    return angle;
}

std::string Format(const Angle& angle, std::size_t degreeWidth) {
    std::string text = std::to_string(angle.degrees);
    if (text.size() < degreeWidth) text.insert(0, degreeWidth - text.size(), '0');
    text += angle.hemisphere;
    if (angle.minutes < 10) text += '0';
    text += std::to_string(angle.minutes);
    return text;
}

void SetNonEmpty(BroadcastRecord& record, int column, std::string_view text) {
    if (!text.empty()) record.SetText(column, FitColumn(column, text));
}

}  // namespace

std::optional<AokiPosition> ReadAokiPosition(std::string_view text) {
    std::size_t i = 0;
    const auto latitude = ReadAngle(text, i, 2, "NS");
    if (!latitude || latitude->degrees > 90) return std::nullopt;
    const auto longitude = ReadAngle(text, i, 3, "EW");
    if (!longitude || longitude->degrees > 180 || i != text.size()) return std::nullopt;
    return AokiPosition{Format(*latitude, 2), Format(*longitude, 3)};
}

bool IsAokiListHead(std::string_view head) {
    TextLines lines(head);
    std::string_view line;
    while (lines.Next(line)) {
        if (AokiColumns::FromHeader(line)) return true;
    }
    return false;
}

std::optional<BroadcastRecord> ParseAokiLine(std::string_view line, const AokiColumns& columns,
                                             const HfccCodeTables* countries) {
    using C = AokiColumns;
    const auto freq = ReadKilohertz(TrimBlanks(columns.Field(line, C::kFre)));
    if (!freq) return std::nullopt;
    const std::string_view utc = TrimBlanks(columns.Field(line, C::kUtc));
    if (utc.size() != 9 || utc[4] != '-') return std::nullopt;
    auto start = ReadHhmm(utc.substr(0, 4));
    auto end = ReadHhmm(utc.substr(5, 4));
    if (!start || !end) return std::nullopt;
    const std::string_view daysWritten = TrimBlanks(columns.Field(line, C::kDays));
    auto days = SundayFirstDays(daysWritten);
    if (!days) return std::nullopt;

    BroadcastRecord record;
    record.freq = *freq;
    record.SetText(kStart, std::move(*start));
    record.SetText(kEnd, std::move(*end));
    record.SetText(kDays, std::move(*days));
    if (!daysWritten.empty()) record.SetExtension(kDaysTextField, FitField(kDaysTextField, daysWritten));

    SetNonEmpty(record, kStation, TrimBlanks(columns.Field(line, C::kStation)));
    SetNonEmpty(record, kLanguage, TrimBlanks(columns.Field(line, C::kLanguage)));
    SetNonEmpty(record, kPower, TrimBlanks(columns.Field(line, C::kPow)));
    SetNonEmpty(record, kAzi, TrimBlanks(columns.Field(line, C::kAzi)));
    SetNonEmpty(record, kLocation, TrimBlanks(columns.Field(line, C::kLocation)));
    const std::string_view adm = TrimBlanks(columns.Field(line, C::kAdm));
    SetNonEmpty(record, kItu, adm);
    if (const std::string* country = countries ? countries->AdministrationName(adm) : nullptr) {
        SetNonEmpty(record, kCountry, *country);
    }
    if (const auto position = ReadAokiPosition(TrimBlanks(columns.Field(line, C::kLl)))) {
        record.SetText(kLati, position->latitude);
        record.SetText(kLongi, position->longitude);
    }
    const std::string_view remarks = TrimBlanks(columns.Field(line, C::kRemarks));
    SetNonEmpty(record, kRemarks, remarks);
    // The list has no modulation column; its remarks name the digital broadcasts.
    record.SetText(kModu, remarks.find("DRM") != std::string_view::npos ? "D" : "A");
    return record;
}

}  // namespace zofar
