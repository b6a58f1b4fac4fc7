#include "export/ExportText.h"

#include <cstdint>

#include "base/TextRules.h"
#include "base/Utf8.h"

namespace zofar {

std::string WellFormedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t length = DecodeUtf8(text, i, cp);
        if (length == 0) {
            AppendUtf8(out, U'\uFFFD');
            ++i;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

std::string ExportCellText(const FieldValue& value) {
    if (const auto* d = std::get_if<double>(&value)) return FormatOneDecimal(*d);
    if (const auto* i = std::get_if<int64_t>(&value)) return std::to_string(*i);
    return WellFormedUtf8(TextOf(value));
}

}  // namespace zofar
