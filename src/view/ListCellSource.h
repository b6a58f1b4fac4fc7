#pragma once

#include <optional>
#include <string>

#include "view/OnAirTest.h"

namespace zofar {

class RecordStore;

/// Supplies the list's cells straight from the browse set, keeping it on the row read last so
/// that the cells of one row cost at most one move. Holds no texts.
class ListCellSource {
public:
    explicit ListCellSource(RecordStore& store) : store_(store) {}

    /// Forgets the row the browse set stands on; needed whenever someone else may have moved it
    /// (requery, search) or the rows changed.
    void Forget() { cachedRow_ = kNoRow; }

    /// The text of list column 0..23 of `row`; nothing without a browse set or after a failed
    /// move (the store has reported it).
    std::optional<std::string> Text(int row, int column);

    /// Whether `row` is on the air at the test's time; nothing as for Text.
    std::optional<bool> OnAir(int row, const OnAirTest& test);

    int CachedRow() const { return cachedRow_; }

private:
    static constexpr int kNoRow = -10;

    bool Position(int row);

    RecordStore& store_;
    int cachedRow_ = kNoRow;
};

}  // namespace zofar
