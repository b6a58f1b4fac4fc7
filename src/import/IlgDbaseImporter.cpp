#include "import/IlgDbaseImporter.h"

#include <array>
#include <charconv>
#include <memory>
#include <optional>
#include <vector>

#include "base/Utf8.h"
#include "import/DbaseError.h"
#include "import/DbaseTable.h"
#include "import/DbaseTextDecoder.h"
#include "import/OpenProgressWindow.h"
#include "store/ColumnTable.h"

namespace zofar {

namespace {

struct CopiedColumn {
    std::string_view source;
    std::string_view target;
};

// The columns whose value goes over as it is read; a number becomes its shortest text.
constexpr std::array<CopiedColumn, 19> kCopiedColumns = {{
    {"STATION", "STATION"}, {"MOD", "MODU"},       {"STATUS", "STATUS"},         {"LOCATION", "LOCATION"},
    {"COUNTRY", "COUNTRY"}, {"ADM", "ITU"},        {"DAYS", "DAYS"},             {"LANGUAGE", "LANGUAGE"},
    {"REMARKS", "REMARKS"}, {"POWER", "POWER"},    {"PROGRAM", "PROGRAM"},       {"P", "P"},
    {"STN", "STN"},         {"REGION", "REGION"},  {"TARGET", "TARGET"},         {"CIRAFZONES", "CIRAF"},
    {"AZI", "AZI"},         {"LONGI", "LONGI"},    {"LATI", "LATI"},
}};

constexpr std::array<std::string_view, 9> kAreaCodes = {"NA", "CA", "SA", "EU", "AF", "ME", "AS", "AU", "PA"};
constexpr int kProgressStep = 100;
constexpr std::string_view kBrokenBar = "\xC2\xA6";

struct SourceColumns {
    int utc = 0;
    int freq = 0;
    int station = 0;
    std::array<int, kCopiedColumns.size()> copied{};
    std::array<int, kAreaCodes.size()> areas{};
};

int Column(std::string_view name) { return *ColumnNumber(name); }

// Every column of the mapping must be there before a row is read; the first one missing is named.
SourceColumns FindColumns(const DbaseTable& table) {
    const auto find = [&table](std::string_view name) {
        if (const auto index = table.FieldIndex(name)) return *index;
        throw DbaseError("The dBASE table '" + table.Label() + "' has no field named '" + std::string(name) + "'.");
    };
    SourceColumns columns;
    columns.utc = find("UTC");
    columns.freq = find("FREQ");
    for (std::size_t i = 0; i < kCopiedColumns.size(); ++i) columns.copied[i] = find(kCopiedColumns[i].source);
    for (std::size_t i = 0; i < kAreaCodes.size(); ++i) columns.areas[i] = find(kAreaCodes[i]);
    columns.station = columns.copied[0];
    return columns;
}

class RowReader {
public:
    RowReader(const DbaseTable& table, const DbaseTextDecoder& decoder) : table_(table), decoder_(decoder) {}

    DbaseValue Read(int record, int field) const { return table_.ReadValue(record, field); }

    bool IsText(int field) const {
        return table_.Fields()[static_cast<std::size_t>(field)].type == DbaseFieldType::Character;
    }

    std::string Decode(int record, int field, const std::string& bytes) const {
        if (auto text = decoder_.ToUtf8(bytes)) return std::move(*text);
        throw DbaseError(Where(record) + " holds a text in the field '" + FieldName(field) +
                         "' that is not valid in the code page " + decoder_.Charset() + ".");
    }

    // The value of a character field as UTF-8; nothing for Null and for values of other types.
    std::optional<std::string> Text(int record, int field) const {
        if (!IsText(field)) return std::nullopt;
        const DbaseValue value = Read(record, field);
        const auto* bytes = std::get_if<std::string>(&value);
        if (!bytes) return std::nullopt;
        return Decode(record, field, *bytes);
    }

    std::string Where(int record) const {
        return "Record " + std::to_string(record + 1) + " of the dBASE table '" + table_.Label() + "'";
    }
    const std::string& FieldName(int field) const { return table_.Fields()[static_cast<std::size_t>(field)].name; }

private:
    const DbaseTable& table_;
    const DbaseTextDecoder& decoder_;
};

// "%.15g" with a point whatever the process locale.
std::string NumberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

// The source query leaves out rows whose STATION begins with "=" or the broken bar, and, as
// NOT LIKE on Null is never true, rows without a STATION.
bool IsSelected(const RowReader& reader, int record, int station) {
    const DbaseValue value = reader.Read(record, station);
    if (std::holds_alternative<std::monostate>(value)) return false;
    const auto* bytes = std::get_if<std::string>(&value);
    if (!bytes || !reader.IsText(station)) return true;
    const std::string text = reader.Decode(record, station, *bytes);
    return !text.starts_with('=') && !text.starts_with(kBrokenBar);
}

std::vector<int> SelectedRows(const DbaseTable& table, const RowReader& reader, int station) {
    std::vector<int> rows;
    for (int record = 0; record < table.RecordCount(); ++record) {
        if (!table.IsDeleted(record) && IsSelected(reader, record, station)) rows.push_back(record);
    }
    return rows;
}

// The characters of a UTF-8 text, each as its own piece.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t begin = i;
        NextCodePoint(text, i);
        characters.push_back(text.substr(begin, i - begin));
    }
    return characters;
}

std::optional<BroadcastRecord> ReadRecord(const RowReader& reader, int record, const SourceColumns& columns) {
    const auto utc = reader.Text(record, columns.utc);
    if (!utc) return std::nullopt;
    const auto c = Characters(*utc);
    if (c.size() != 9 || (c[4] != "-" && c[4] != ":" && c[4] != "=")) return std::nullopt;

    BroadcastRecord out;
    out.SetText(Column("START"), std::string(c[0]).append(c[1]).append(":").append(c[2]).append(c[3]));
    out.SetText(Column("END"), std::string(c[5]).append(c[6]).append(":").append(c[7]).append(c[8]));

    const DbaseValue freq = reader.Read(record, columns.freq);
    if (const auto* number = std::get_if<double>(&freq)) {
        out.freq = *number;
    } else if (const auto* bytes = std::get_if<std::string>(&freq)) {
        const std::string text = reader.Decode(record, columns.freq, *bytes);
        const auto parsed = ParseDbaseNumber(text);
        if (!parsed) {
            throw DbaseError(reader.Where(record) + " holds '" + text + "' in the field '" +
                             reader.FieldName(columns.freq) + "', which is not a number.");
        }
        out.freq = *parsed;
    }

    for (std::size_t i = 0; i < kCopiedColumns.size(); ++i) {
        const int field = columns.copied[i];
        const DbaseValue value = reader.Read(record, field);
        const int target = Column(kCopiedColumns[i].target);
        if (const auto* number = std::get_if<double>(&value)) {
            out.SetText(target, NumberText(*number));
        } else if (const auto* bytes = std::get_if<std::string>(&value)) {
            out.SetText(target, reader.Decode(record, field, *bytes));
        }
    }
    out.SetText(Column("LC"), " ");

    std::string areas;
    for (std::size_t i = 0; i < kAreaCodes.size(); ++i) {
        if (reader.Text(record, columns.areas[i]) == kAreaCodes[i]) areas.append(kAreaCodes[i]).append(" ");
    }
    if (!areas.empty()) out.SetText(Column("TARGETAR"), std::move(areas));
    return out;
}

}  // namespace

bool ImportIlgDbase(const std::string& sourceFolder, const std::string& fileName, RecordSink& sink, ImportUi& ui,
                    StoreErrorReporter& errors) {
    const auto progress = OpenProgressWindow(ui);
    try {
        const DbaseTable table(sourceFolder + fileName);
        const DbaseTextDecoder decoder(table.CodePage());
        const RowReader reader(table, decoder);
        const SourceColumns columns = FindColumns(table);
        const std::vector<int> rows = SelectedRows(table, reader, columns.station);
        if (rows.empty()) {
            ui.ShowMessage(std::string(kIlgDbaseEmptyMessage));
            return false;
        }

        progress->SetRange(0, static_cast<int>(rows.size() - 1));
        int counter = 1;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (auto record = ReadRecord(reader, rows[i], columns)) {
                if (!sink.AddRecord(*record)) return false;
            }
            // The position moves only after a move to a next row, so the last row moves nothing.
            if (i + 1 == rows.size()) break;
            if (counter % kProgressStep == 0) progress->SetPosition(counter);
            ++counter;
        }
        return true;
    } catch (const DbaseError& e) {
        errors.ReportStoreError(e.what());
        return false;
    }
}

}  // namespace zofar
