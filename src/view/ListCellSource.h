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

    /// To be called whenever the store reports an error. One met while a cell is read stops
    /// all reading until ReadAgain, so an unreadable file (a removed disk, a lock held by
    /// another program) costs one message instead of one per cell and a wait for each.
    void NoteStoreError() {
        if (reading_ > 0) stopped_ = true;
    }
    /// Lets the cells be read again; the list calls it at every view update and minute tick.
    /// While the read that failed is still being reported, reading stays stopped.
    void ReadAgain() {
        if (reading_ == 0) stopped_ = false;
    }
    bool Stopped() const { return stopped_; }

private:
    static constexpr int kNoRow = -10;

    // Counts the reads in progress: a cell asked for while another read is being reported
    // (the message box runs an event loop that repaints the list) gets nothing.
    class ReadScope {
    public:
        explicit ReadScope(int& depth) : depth_(depth) { ++depth_; }
        ~ReadScope() { --depth_; }
        ReadScope(const ReadScope&) = delete;
        ReadScope& operator=(const ReadScope&) = delete;

    private:
        int& depth_;
    };

    bool Position(int row);

    RecordStore& store_;
    int cachedRow_ = kNoRow;
    int reading_ = 0;
    bool stopped_ = false;
};

}  // namespace zofar
