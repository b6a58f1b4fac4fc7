#pragma once

#include <memory>
#include <optional>

#include "geo/ListenerLocation.h"

struct sqlite3;

namespace zofar {

/// The listener's location as the SQL functions see it. The caller keeps a non-const pointer to
/// the same object and may change the location between statements; nothing means "no location".
using SharedListenerLocation = std::shared_ptr<const std::optional<ListenerLocation>>;

/// Teaches the connection three functions of a record's LATI, LONGI (and AZI) texts:
/// - ZOFAR_DISTANCE(LATI, LONGI): the distance from the listener in whole kilometres;
/// - ZOFAR_BEARING(LATI, LONGI): the bearing from the listener in whole degrees, 0 to 359;
/// - ZOFAR_INBEAM(LATI, LONGI, AZI): "*" when the listener lies in the antenna's beam.
/// Each gives Null when no location is set, the coordinates do not read, or (ZOFAR_INBEAM) the
/// listener is outside the beam or AZI is not a direction. The functions are not marked
/// deterministic, since the location can change while the connection is open. Each site's path is
/// solved once while the location stays where it is (PathMemo), so a requery sorted by distance
/// costs little more than one sorted by frequency. The connection
/// holds a reference to `location` until it is closed. Returns the SQLite result code of the
/// first registration that failed, or SQLITE_OK.
int RegisterGeoFunctions(sqlite3* db, SharedListenerLocation location);

/// The text ZOFAR_INBEAM gives for a listener in the beam.
inline constexpr const char* kInBeamMark = "*";

}  // namespace zofar
