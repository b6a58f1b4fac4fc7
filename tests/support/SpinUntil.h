#pragma once

#include <QCoreApplication>
#include <chrono>
#include <functional>
#include <thread>

namespace zofar::test {

/// Runs the Qt event loop until `done` holds or `limit` has passed; true when done.
inline bool SpinUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(3)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace zofar::test
