#pragma once

#include <chrono>

namespace zofar {

/// The time the rig side runs on: a monotonic clock, so a change of the system time never
/// fires or stalls a reply timeout, a poll or a reconnection.
using RigTime = std::chrono::steady_clock::time_point;

}  // namespace zofar
