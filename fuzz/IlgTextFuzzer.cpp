// The ILG text import over any bytes: every record it makes fits the table.
#include <sstream>

#include "FuzzSupport.h"
#include "import/IlgTextImporter.h"

using namespace zofar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::istringstream in{std::string(fuzz::Bytes(data, size))};
    fuzz::YesImportUi ui;
    fuzz::CheckingSink sink(true);
    ImportIlgTextStream(in, sink, ui);
    return 0;
}
