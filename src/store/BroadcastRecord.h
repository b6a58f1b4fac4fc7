#pragma once

#include <array>
#include <optional>
#include <string>

#include "store/ColumnTable.h"

namespace zofar {

/// One record to add to ZOFTABLE. Values are indexed by column number (ColumnTable); a value
/// left unset is stored as Null. UNIQUEID (column 0) is numbered by the store.
struct BroadcastRecord {
    std::optional<double> freq;                                 ///< column 1, kHz
    std::array<std::optional<std::string>, kColumnCount> text;  ///< columns 2..24, UTF-8
    /// Extension fields by field index less kFirstExtensionField; stored only by a database made
    /// with the extension columns.
    std::array<std::optional<std::string>, kExtensionFieldCount> extension;

    void SetText(int column, std::string value) { text[static_cast<size_t>(column)] = std::move(value); }
    /// `field` is an extension field index (kValidFromField ...).
    void SetExtension(int field, std::string value) {
        extension[static_cast<size_t>(field - kFirstExtensionField)] = std::move(value);
    }
};

/// Where importers put their records.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    /// Adds one record; false after an engine error, which has already been reported.
    virtual bool AddRecord(const BroadcastRecord& record) = 0;
};

}  // namespace zofar
