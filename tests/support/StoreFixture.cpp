#include "support/StoreFixture.h"

namespace zofar::test {

bool CreateDatabase(const std::string& path, const std::vector<Row>& rows, StoreErrorReporter& reporter) {
    RecordStore store(reporter);
    if (!store.CreateDatabaseFile(path, "TEST") || !store.BeginImport()) return false;
    for (const Row& r : rows) {
        BroadcastRecord rec;
        rec.freq = r.freq;
        rec.SetText(2, r.station);
        rec.SetText(11, r.start);
        rec.SetText(12, r.end);
        if (r.days) rec.SetText(13, r.days);
        rec.SetText(8, r.country);
        rec.SetText(14, r.language);
        rec.SetText(9, r.itu);
        rec.SetText(10, " ");
        if (!store.AddRecord(rec)) return false;
    }
    const bool ok = store.CommitImport();
    store.CloseStore();
    return ok;
}

}  // namespace zofar::test
