#include "import/IlgDbaseWriter.h"

#include <memory>

namespace zofar::test {

namespace {

struct Closer {
    void operator()(DBFHandle handle) const { DBFClose(handle); }
};

}  // namespace

std::vector<DbaseFieldDef> IlgDbaseFields() {
    std::vector<DbaseFieldDef> fields = {
        {"FREQ", FTDouble, 9, 2},  {"STATION", FTString, 22}, {"UTC", FTString, 9},      {"DAYS", FTString, 7},
        {"LANGUAGE", FTString, 18}, {"TARGET", FTString, 8},   {"LOCATION", FTString, 25}, {"POWER", FTString, 7},
        {"AZI", FTString, 3},       {"REMARKS", FTString, 15}, {"MOD", FTString, 1},
    };
    for (const char* code : {"NA", "CA", "SA", "EU", "AF", "ME", "AS", "AU", "PA"}) {
        fields.push_back({code, FTString, 2});
    }
    for (const DbaseFieldDef& f : std::vector<DbaseFieldDef>{
             {"CIRAFZONES", FTString, 30}, {"STN", FTString, 5},    {"ADM", FTString, 3},   {"COUNTRY", FTString, 18},
             {"LONGI", FTString, 6},       {"LATI", FTString, 5},   {"REGION", FTString, 20}, {"P", FTString, 1},
             {"PROGRAM", FTString, 20},    {"STATUS", FTString, 1}}) {
        fields.push_back(f);
    }
    return fields;
}

DbaseRow IlgDbaseRow(const std::string& station, const std::string& utc) {
    DbaseRow row;
    row.numbers["FREQ"] = 6005;
    row.text["STATION"] = station;
    row.text["UTC"] = utc;
    return row;
}

bool WriteDbaseTable(const std::string& path, const std::vector<DbaseFieldDef>& fields,
                     const std::vector<DbaseRow>& rows, const std::string& codePage) {
    std::unique_ptr<DBFInfo, Closer> table(DBFCreateEx(path.c_str(), codePage.c_str()));
    if (!table) return false;
    for (const auto& f : fields) {
        if (DBFAddField(table.get(), f.name.c_str(), f.type, f.width, f.decimals) < 0) return false;
    }
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const DbaseRow& row = rows[static_cast<size_t>(r)];
        // A record exists once something is written to it; a blank first field makes it.
        std::string blank(static_cast<size_t>(fields[0].width), ' ');
        if (!DBFWriteAttributeDirectly(table.get(), r, 0, blank.data())) return false;
        for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
            const DbaseFieldDef& f = fields[static_cast<size_t>(i)];
            bool ok = true;
            if (row.nulls.count(f.name)) {
                ok = DBFWriteNULLAttribute(table.get(), r, i);
            } else if (const auto n = row.numbers.find(f.name); n != row.numbers.end()) {
                ok = DBFWriteDoubleAttribute(table.get(), r, i, n->second);
            } else if (const auto t = row.text.find(f.name); t != row.text.end()) {
                if (f.type == FTLogical) {
                    ok = DBFWriteLogicalAttribute(table.get(), r, i, t->second.empty() ? ' ' : t->second[0]);
                } else if (f.type == FTString) {
                    ok = DBFWriteStringAttribute(table.get(), r, i, t->second.c_str());
                } else {
                    ok = DBFWriteAttributeDirectly(table.get(), r, i, const_cast<char*>(t->second.c_str()));
                }
            }
            if (!ok) return false;
        }
        if (row.deleted && !DBFMarkRecordDeleted(table.get(), r, 1)) return false;
    }
    return true;
}

}  // namespace zofar::test
