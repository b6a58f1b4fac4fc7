#pragma once

#include <signal.h>

#include "base/FileDescriptor.h"

namespace zofar {

/// SIGINT and SIGTERM as a readable descriptor, so a poll loop sees them without a handler or a
/// flag: while this lives the two signals are blocked for the calling thread and wait on Fd().
/// Made before any other thread, so that none of them takes the signals instead.
class StopSignals {
public:
    StopSignals();
    /// Restores the signal mask found at construction.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    /// False when the descriptor could not be made; the signals then act as before.
    bool Valid() const { return fd_.Valid(); }
    int Fd() const { return fd_.Get(); }
    /// The number of a signal waiting on Fd(), taken from it; 0 when none waits.
    int Take();

private:
    sigset_t previous_{};
    FileDescriptor fd_{-1};
};

}  // namespace zofar
