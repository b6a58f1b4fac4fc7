#pragma once

#include <memory>
#include <optional>

#include "geo/ListenerLocation.h"
#include "store/RecordStore.h"

namespace zofar {

/// The computed columns DISTANCE, BEARING and INBEAM, measured from the listener's location: the
/// store registers their functions on every database it opens.
class GeoComputedColumns : public ComputedFunctions {
public:
    GeoComputedColumns() : location_(std::make_shared<std::optional<ListenerLocation>>()) {}

    bool Register(sqlite3* connection) override;
    /// From the next statement on, every open connection measures from `location`.
    void SetLocation(const std::optional<ListenerLocation>& location) { *location_ = location; }

private:
    std::shared_ptr<std::optional<ListenerLocation>> location_;
};

}  // namespace zofar
