#include "geo/PathMemo.h"

#include <cmath>

namespace zofar {

namespace {

// The site's key: its latitude and longitude in whole minutes, one number; nothing for a position
// between whole minutes, which two different sites could then share.
std::optional<int64_t> SiteKey(const TransmitterCoordinates& t) {
    const double latitude = t.latitude * 60.0;
    const double longitude = t.longitude * 60.0;
    const double roundLatitude = std::round(latitude);
    const double roundLongitude = std::round(longitude);
    if (std::fabs(latitude - roundLatitude) > 1e-6 || std::fabs(longitude - roundLongitude) > 1e-6) return std::nullopt;
    constexpr int64_t kLongitudes = 2 * 180 * 60 + 1;
    return (static_cast<int64_t>(roundLatitude) + 90 * 60) * kLongitudes + static_cast<int64_t>(roundLongitude) +
           180 * 60;
}

}  // namespace

TransmitterPath PathMemo::PathTo(const ListenerLocation& listener, const TransmitterCoordinates& transmitter) {
    if (listener_ != listener) {
        paths_.clear();
        listener_ = listener;
    }
    const auto key = SiteKey(transmitter);
    if (!key) return PathToTransmitter(listener, transmitter);
    if (const auto found = paths_.find(*key); found != paths_.end()) return found->second;
    if (paths_.size() >= kMaxSites) paths_.clear();
    const TransmitterPath path = PathToTransmitter(listener, transmitter);
    paths_.emplace(*key, path);
    return path;
}

}  // namespace zofar
