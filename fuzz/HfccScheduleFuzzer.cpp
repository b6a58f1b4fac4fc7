// The HFCC schedule import over any bytes, its code tables cut from the same input: every
// record it makes fits the table, and its counts agree with what the sink got.
#include <map>

#include "FuzzSupport.h"
#include "import/HfccImporter.h"

using namespace zofar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool withTables = (data[0] & 1) != 0;
    fuzz::Pieces pieces(fuzz::Bytes(data + 1, size - 1));
    std::map<std::string, std::string> files;
    for (const std::string_view name : HfccCodeTables::kFileNames) files[std::string(name)] = pieces.Next();
    const HfccCodeTables tables = HfccCodeTables::Parse(files);
    fuzz::YesImportUi ui;
    fuzz::CheckingSink sink(true);
    const EibiImportResult result = ImportHfccText(pieces.Rest(), withTables ? &tables : nullptr, sink, ui);
    fuzz::Check(result.stored == sink.count, "the import counts other records than it stored");
    fuzz::Check(result.stored >= 0 && result.skipped >= 0, "a count is negative");
    return 0;
}
