// The EiBi schedule import over any bytes, with and without code tables: every record it makes
// fits the table, and its counts agree with what the sink got.
#include <sstream>

#include "FuzzSupport.h"
#include "import/EibiImporter.h"

using namespace zofar;

namespace {

constexpr std::string_view kCodes =
    "   I) Language codes.\n"
    "   D     German: Germany (80m)                                          [deu]\n"
    "   E     English\n"
    "   II) Country codes.\n"
    "   D    Germany\n"
    "   USA  United States of America\n"
    "   III) Target-area codes.\n"
    "   Eu  - Europe\n"
    "   NAm - North America\n"
    "   IV) Transmitter site codes.\n"
    "   D:   n-Nauen 52N38-12E54\n"
    "        w-Wertachtal 48N05'13\"-10E41'42\"\n"
    "   USA: Greenville 35N28-77W12\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const EibiCodeTables codes = EibiCodeTables::Parse(kCodes);
    const bool withCodes = (data[0] & 1) != 0;
    std::istringstream in{std::string(fuzz::Bytes(data + 1, size - 1))};
    fuzz::YesImportUi ui;
    fuzz::CheckingSink sink(true);
    const EibiImportResult result = ImportEibiCsvStream(in, withCodes ? &codes : nullptr, sink, ui);
    fuzz::Check(result.stored == sink.count, "the import counts other records than it stored");
    fuzz::Check(result.stored >= 0 && result.skipped >= 0, "a count is negative");
    return 0;
}
