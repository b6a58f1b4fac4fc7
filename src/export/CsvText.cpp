#include "export/CsvText.h"

#include <string_view>

#include "export/ExportText.h"

namespace zofar {
namespace {

void AppendField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string CsvText(const ExportTable& table) {
    std::string out;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (c > 0) out += ',';
        AppendField(out, WellFormedUtf8(table.columns[c]));
    }
    out += "\r\n";
    for (const auto& row : table.rows) {
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            if (c > 0) out += ',';
            if (c < row.size()) AppendField(out, ExportCellText(row[c]));
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace zofar
