// Writes the seed tables of the dBASE fuzz target into the folder given: an ILG table with a few
// rows, one with deleted and Null rows, and one whose field is of the wrong type.
#include <cstdio>
#include <string>
#include <vector>

#include "import/IlgDbaseWriter.h"

using namespace zofar::test;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zofar_dbase_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";

    DbaseRow full = IlgDbaseRow(
        "R\xE1"
        "dio Vale",
        "2345-0045");
    full.text["EU"] = "EU";
    full.text["AF"] = "AF";
    full.text["LANGUAGE"] = "Portuguese";
    full.text["ADM"] = "B";
    DbaseRow night = IlgDbaseRow("Nordic Night", "0000=2400");
    night.numbers["FREQ"] = 15770.5;
    bool ok = WriteDbaseTable(folder + "rows.dbf", IlgDbaseFields(), {full, night, IlgDbaseRow()});

    DbaseRow deleted = IlgDbaseRow("Gone");
    deleted.deleted = true;
    DbaseRow nulls = IlgDbaseRow();
    nulls.nulls = {"FREQ", "STATION"};
    DbaseRow skipped = IlgDbaseRow("=comment", "0100-0200");
    ok = WriteDbaseTable(folder + "deleted-and-null.dbf", IlgDbaseFields(), {deleted, nulls, skipped}, "LDID/3") && ok;

    std::vector<DbaseFieldDef> fields = IlgDbaseFields();
    fields[2] = {"UTC", FTDouble, 9, 0};
    DbaseRow numeric = IlgDbaseRow();
    numeric.text.erase("UTC");
    numeric.numbers["UTC"] = 100002000;
    ok = WriteDbaseTable(folder + "numeric-utc.dbf", fields, {numeric}) && ok;
    return ok ? 0 : 1;
}
