#pragma once

#include <string>
#include <vector>

#include "store/ColumnTable.h"
#include "store/RowCache.h"

namespace zofar {

class Statement;

/// Reads whole rows, every field the open database has, at their browse-set field indexes.
class RowReader {
public:
    explicit RowReader(ColumnSet columns);

    /// "FREQ, STATION, ..., UNIQUEID, ...": the select list of the fields, in reading order.
    const std::string& SelectList() const { return selectList_; }
    /// The row a statement over SelectList() stands on; fields the database lacks are Null.
    RowValues Read(const Statement& st) const;

private:
    std::vector<int> fields_;
    std::string selectList_;
};

}  // namespace zofar
