#pragma once

#include <shapefil.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zofar {

enum class DbaseFieldType { Character, Numeric, Logical, Date, Other };

/// A value as the table holds it: Null, a number, or a text in the table's own code page.
/// Logical fields read as "T" or "F", date fields as "YYYY-MM-DD".
using DbaseValue = std::variant<std::monostate, double, std::string>;

/// One field of the table's structure.
struct DbaseField {
    std::string name;        ///< as stored, trailing blanks removed
    char nativeType = 0;     ///< the type letter of the file ('C', 'N', 'F', 'L', 'D', ...)
    DbaseFieldType type = DbaseFieldType::Other;
    int offset = 0;          ///< bytes from the start of the record, its deleted flag included
    int size = 0;            ///< bytes
};

/// A dBASE table opened read-only. Its structure is checked against the file before shapelib
/// reads it, so a damaged, cut or foreign file fails with a description and is never read out
/// of bounds. Every failure throws DbaseError; records are numbered from 0.
class DbaseTable {
public:
    /// Opens the file at `path` exactly (whatever its extension) and, when there is one, the code
    /// page file beside it (same name with ".cpg" or ".CPG" in place of the extension).
    explicit DbaseTable(const std::string& path);

    int RecordCount() const { return recordCount_; }
    const std::vector<DbaseField>& Fields() const { return fields_; }
    /// The first field of that name, compared without regard to ASCII letter case.
    std::optional<int> FieldIndex(std::string_view name) const;
    /// True for a record marked deleted.
    bool IsDeleted(int record) const;
    /// Character fields lose their trailing blanks and end at a NUL; an empty or all-blank value
    /// is Null, as are blank or "*"-filled numbers, a "?" or blank logical and a blank or
    /// "00000000" date. A number that does not read, or a field of another type (memo, binary),
    /// throws.
    DbaseValue ReadValue(int record, int field) const;
    /// The code page the table declares: the code page file's text, else "LDID/n" from the
    /// header's language driver byte; empty when it declares none.
    std::string CodePage() const;
    /// The file name for messages, as UTF-8.
    const std::string& Label() const { return label_; }

private:
    struct Closer {
        void operator()(DBFHandle handle) const { DBFClose(handle); }
    };

    const char* Record(int record) const;

    std::string label_;
    std::vector<DbaseField> fields_;
    int recordCount_ = 0;
    std::unique_ptr<DBFInfo, Closer> handle_;
};

/// A decimal number with blanks around it, "." as the decimal point whatever the process
/// locale, optional sign and exponent; nothing for anything else, infinite and NaN included.
std::optional<double> ParseDbaseNumber(std::string_view text);

}  // namespace zofar
