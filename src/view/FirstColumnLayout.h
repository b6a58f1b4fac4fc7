#pragma once

#include <array>

#include "store/ColumnTable.h"
#include "view/ColumnLayout.h"

namespace zofar {

class RecordStore;

/// For every field: true when no row of the database has a value in it (Null or "").
using EmptyFields = std::array<bool, kAllFieldCount>;

/// The fields of the open database that no row has a value in, found by one side query that
/// stops once every field has shown a value; fields the database lacks count as empty. All
/// false without an open database or after a read error (reported).
EmptyFields FindEmptyFields(const RecordStore& store);

/// The layout a database whose source leaves columns empty starts with: frequency, station,
/// times, days, language, targets, location and country first, then the other fields with
/// values in field order, then the empty ones, hidden (width 0) but still there to be widened.
ColumnLayout FirstColumnLayout(const EmptyFields& empty);

}  // namespace zofar
