// The Aoki list import over any bytes: every record fits the table, whatever the header says
// about where the columns stand, and the counts agree with what the sink got.
#include "FuzzSupport.h"
#include "import/AokiImporter.h"

using namespace zofar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const HfccCodeTables countries = [] {
        HfccCodeTables tables;
        tables.ParseAdministrations("J   Japan\r\nD   Germany\r\n");
        return tables;
    }();
    fuzz::YesImportUi ui;
    fuzz::CheckingSink sink(true);
    const EibiImportResult result = ImportAokiText(fuzz::Bytes(data, size), &countries, sink, ui);
    fuzz::Check(result.stored == sink.count, "the import counts other records than it stored");
    fuzz::Check(result.stored >= 0 && result.skipped >= 0, "a count is negative");
    return 0;
}
