#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "geo/TransmitterPath.h"

namespace zofar {

/// Remembers the paths from one listener location to the transmitter sites asked for, so that a
/// list sorted by distance solves one geodesic per site, not one per record and requery (a list
/// holds far fewer sites than records). Forgets everything when the listener moves.
class PathMemo {
public:
    /// At most this many sites are kept; the memo starts afresh when one more comes (about 16 MB).
    static constexpr std::size_t kMaxSites = std::size_t{1} << 18;

    /// PathToTransmitter(listener, transmitter), solved once per site at whole minutes of arc (the
    /// only positions the lists write); other positions are solved every time.
    TransmitterPath PathTo(const ListenerLocation& listener, const TransmitterCoordinates& transmitter);

    std::size_t SiteCount() const { return paths_.size(); }

private:
    std::optional<ListenerLocation> listener_;
    std::unordered_map<int64_t, TransmitterPath> paths_;
};

}  // namespace zofar
