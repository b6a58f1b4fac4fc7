#pragma once

#include <string>

#include "export/ExportTable.h"

namespace zofar {

/// The table as an RFC 4180 CSV file in UTF-8: a header line with the column names, then one
/// line per row; fields separated by commas, a field holding a comma, a quote, CR or LF put in
/// quotes with its quotes doubled; every line, the last one too, ends with CR LF. Null values
/// are empty fields; a row shorter than the header is filled with empty fields.
std::string CsvText(const ExportTable& table);

}  // namespace zofar
