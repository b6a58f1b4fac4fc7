#include "store/RowReader.h"

#include "store/SqliteDatabase.h"

namespace zofar {

RowReader::RowReader(ColumnSet columns) {
    for (int f = 0; f < kAllFieldCount; ++f) {
        if (!columns.Has(f)) continue;
        if (!fields_.empty()) selectList_ += ", ";
        selectList_ += FieldColumn(f).name;
        fields_.push_back(f);
    }
}

RowValues RowReader::Read(const Statement& st) const {
    RowValues values(kAllFieldCount);
    for (size_t k = 0; k < fields_.size(); ++k) {
        FieldValue value = st.ColumnValue(static_cast<int>(k));
        // FREQ is REAL; an integer there can only come from a file written by another tool.
        if (const auto* integer = std::get_if<int64_t>(&value); integer && fields_[k] == 0) {
            value = static_cast<double>(*integer);
        }
        values[static_cast<size_t>(fields_[k])] = std::move(value);
    }
    return values;
}

}  // namespace zofar
