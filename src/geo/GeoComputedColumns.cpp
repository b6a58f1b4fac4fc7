#include "geo/GeoComputedColumns.h"

#include <sqlite3.h>

#include "geo/GeoSqlFunctions.h"

namespace zofar {

bool GeoComputedColumns::Register(sqlite3* connection) {
    return RegisterGeoFunctions(connection, location_) == SQLITE_OK;
}

}  // namespace zofar
