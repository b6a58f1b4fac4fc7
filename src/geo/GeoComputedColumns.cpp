#include "geo/GeoComputedColumns.h"

#include <sqlite3.h>

#include "geo/GeoSqlFunctions.h"

namespace zofar {

bool GeoComputedColumns::Register(sqlite3* connection) {
    // Without a location every distance would be empty: the columns stay away, and a list that
    // never had a location looks as it always did.
    return location_->has_value() && RegisterGeoFunctions(connection, location_) == SQLITE_OK;
}

}  // namespace zofar
