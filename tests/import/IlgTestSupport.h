#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/BroadcastRecord.h"
#include "store/ColumnTable.h"

namespace zofar::test {

/// Keeps the records in memory; the call numbered `failAt` (from 1) fails like an engine error.
class MemorySink : public RecordSink {
public:
    std::vector<BroadcastRecord> records;
    int calls = 0;
    int failAt = -1;

    bool AddRecord(const BroadcastRecord& record) override {
        if (++calls == failAt) return false;
        records.push_back(record);
        return true;
    }
};

/// The value of a column by name, Null as nothing.
inline std::optional<std::string> Value(const BroadcastRecord& record, std::string_view column) {
    return record.text[static_cast<size_t>(*ColumnNumber(column))];
}

/// Writes `text` into `line` at `column`, widening the line with blanks where needed.
inline void Put(std::string& line, size_t column, std::string_view text) {
    if (line.size() < column + text.size()) line.resize(column + text.size(), ' ');
    line.replace(column, text.size(), text);
}

/// A complete 297-column data line (no line end): 6005 kHz, 00:00 to 01:00.
inline std::string DataLine(std::string_view station = "Radio Test", std::string_view time = "0000-0100") {
    std::string line(297, ' ');
    Put(line, 0, "   6005");
    Put(line, 7, station);
    Put(line, 29, time);
    return line;
}

}  // namespace zofar::test
