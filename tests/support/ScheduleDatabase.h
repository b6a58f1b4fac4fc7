#pragma once

#include <string>
#include <vector>

#include "store/BroadcastRecord.h"
#include "store/RecordStore.h"

namespace zofar::test {

/// One row of a schedule with the extension columns: the fields such sources fill, and a
/// validity start. STN, LC, CIRAF, PROGRAM, POWER and AZI stay empty, as in such lists.
struct ScheduleRow {
    double freq = 0.0;
    std::string station;
    std::string validFrom;
    std::string start = "12:00";
    std::string end = "13:00";
};

/// Creates `path` with the extension columns and `rows`, UNIQUEID 1, 2, 3 ... in row order.
inline bool CreateScheduleDatabase(const std::string& path, const std::vector<ScheduleRow>& rows,
                                   StoreErrorReporter& reporter) {
    RecordStore maker(reporter);
    if (!maker.CreateDatabaseFile(path, "SCHEDULE", true) || !maker.BeginImport()) return false;
    for (const ScheduleRow& row : rows) {
        BroadcastRecord r;
        r.freq = row.freq;
        r.SetText(2, row.station);  // STATION
        r.SetText(8, "Germany");    // COUNTRY
        r.SetText(11, row.start);   // START
        r.SetText(12, row.end);     // END
        r.SetText(14, "English");   // LANGUAGE
        r.SetExtension(kValidFromField, row.validFrom);
        r.SetExtension(kValidToField, "12-31");
        if (!maker.AddRecord(r)) return false;
    }
    return maker.CommitImport();
}

}  // namespace zofar::test
