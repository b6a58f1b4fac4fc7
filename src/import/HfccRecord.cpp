#include "import/HfccRecord.h"

#include "base/TextEncoding.h"
#include "base/TextLines.h"
#include "import/ScheduleFields.h"

namespace zofar {

namespace {

// Column numbers of ZOFTABLE, in the order of the column table.
constexpr int kStation = 2, kModu = 4, kLocation = 6, kCountry = 8, kItu = 9, kStart = 11, kEnd = 12, kDays = 13,
              kLanguage = 14, kCiraf = 17, kRemarks = 20, kPower = 21, kAzi = 22, kLongi = 23, kLati = 24;

// A field of the line as UTF-8 without its blanks.
std::string Field(std::string_view line, std::size_t first, std::size_t last) {
    return Cp1252ToUtf8(TrimBlanks(FixedField(line, first, last)));
}

// "D" is double sideband AM; HFCC's other letters are digital modes, but for "S", single sideband.
std::string_view Modulation(std::string_view mod) {
    if (mod.empty() || mod == "D") return "A";
    if (mod == "S") return "U";
    return "D";
}

void SetNonEmpty(BroadcastRecord& record, int column, const std::string& text) {
    if (!text.empty()) record.SetText(column, FitColumn(column, text));
}

}  // namespace

bool IsHfccScheduleHead(std::string_view head) {
    TextLines lines(WithoutByteOrderMark(head));
    std::string_view line;
    while (lines.Next(line)) {
        if (TrimBlanks(line).empty()) continue;
        return line.front() == ';';
    }
    return false;
}

std::optional<BroadcastRecord> ParseHfccLine(std::string_view line, const HfccCodeTables* tables) {
    const auto freq = ReadKilohertz(TrimBlanks(FixedField(line, 1, 5)));
    if (!freq) return std::nullopt;
    auto start = ReadHhmm(FixedField(line, 7, 10));
    auto end = ReadHhmm(FixedField(line, 12, 15));
    if (!start || !end) return std::nullopt;
    const std::string_view daysWritten = FixedField(line, 73, 79);
    auto days = SundayFirstDays(daysWritten);
    if (!days) return std::nullopt;

    BroadcastRecord record;
    record.freq = *freq;
    record.SetText(kStart, std::move(*start));
    record.SetText(kEnd, std::move(*end));
    record.SetText(kDays, std::move(*days));

    const std::string site = Field(line, 48, 50);
    const std::string language = Field(line, 103, 112);
    const std::string adm = Field(line, 114, 116);
    const std::string broadcaster = Field(line, 118, 120);

    const std::string* broadcasterName = tables ? tables->BroadcasterName(broadcaster) : nullptr;
    SetNonEmpty(record, kStation, broadcasterName ? *broadcasterName : broadcaster);
    const std::string* languageName = tables ? tables->LanguageName(language) : nullptr;
    SetNonEmpty(record, kLanguage, languageName ? *languageName : language);
    SetNonEmpty(record, kItu, adm);
    if (const std::string* country = tables ? tables->AdministrationName(adm) : nullptr) {
        SetNonEmpty(record, kCountry, *country);
    }
    const HfccSite* transmitter = tables ? tables->Site(site) : nullptr;
    SetNonEmpty(record, kLocation, transmitter ? transmitter->name : site);
    if (transmitter && !transmitter->latitude.empty()) {
        record.SetText(kLati, transmitter->latitude);
        record.SetText(kLongi, transmitter->longitude);
    }
    SetNonEmpty(record, kCiraf, Field(line, 17, 46));
    SetNonEmpty(record, kPower, Field(line, 52, 55));
    SetNonEmpty(record, kAzi, Field(line, 57, 63));
    SetNonEmpty(record, kRemarks, Field(line, 152, 158));
    record.SetText(kModu, std::string(Modulation(TrimBlanks(FixedField(line, 95, 95)))));

    if (auto from = ValidityDay(FixedField(line, 81, 86))) record.SetExtension(kValidFromField, std::move(*from));
    if (auto to = ValidityDay(FixedField(line, 88, 93))) record.SetExtension(kValidToField, std::move(*to));
    if (const std::string_view written = TrimBlanks(daysWritten); !written.empty()) {
        record.SetExtension(kDaysTextField, FitField(kDaysTextField, Cp1252ToUtf8(written)));
    }
    return record;
}

}  // namespace zofar
