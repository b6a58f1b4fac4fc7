#pragma once

#include <optional>
#include <string>

#include "schedule/OnAirTest.h"

namespace zofar {

class RecordStore;

/// Supplies the list's cells straight from the browse set, whose row cache makes the cells of
/// one row cost one page fetch at most. Holds no texts.
class ListCellSource {
public:
    explicit ListCellSource(const RecordStore& store) : store_(store) {}

    /// The text of field 0..kAllFieldCount-1 of `row`; nothing without a browse set, outside it or after
    /// a read error (the store has reported it).
    std::optional<std::string> Text(int row, int column);

    /// Whether `row` is on the air at the test's time; nothing as for Text.
    std::optional<bool> OnAir(int row, const OnAirTest& test);

    /// To be called whenever the store reports an error; true when it was met while a cell was
    /// read. Such an error stops all reading until ReadAgain, so an unreadable file (a removed
    /// disk, a lock held by another program) costs one message instead of one per cell and a
    /// wait for each.
    bool NoteStoreError() {
        if (reading_ > 0) stopped_ = true;
        return reading_ > 0;
    }
    /// Lets the cells be read again; the list calls it at every view update and minute tick.
    /// While the read that failed is still being reported, reading stays stopped.
    void ReadAgain() {
        if (reading_ == 0) stopped_ = false;
    }
    bool Stopped() const { return stopped_; }

private:
    // Counts the reads in progress: a cell asked for while another read is being reported
    // (a message box runs an event loop that repaints the list) gets nothing.
    class ReadScope {
    public:
        explicit ReadScope(int& depth) : depth_(depth) { ++depth_; }
        ~ReadScope() { --depth_; }
        ReadScope(const ReadScope&) = delete;
        ReadScope& operator=(const ReadScope&) = delete;

    private:
        int& depth_;
    };

    bool InSet(int row) const;

    const RecordStore& store_;
    int reading_ = 0;
    bool stopped_ = false;
};

}  // namespace zofar
