#include <gtest/gtest.h>

#include "store/ColumnTable.h"

using namespace zofar;

TEST(ColumnTable, selectListNamesTheListFieldsThenUniqueId) {
    EXPECT_EQ(SelectList(),
              "FREQ, STATION, STN, MODU, STATUS, LOCATION, REGION, COUNTRY, ITU, LC, START, END, DAYS, "
              "LANGUAGE, TARGET, TARGETAR, CIRAF, PROGRAM, P, REMARKS, POWER, AZI, LONGI, LATI, UNIQUEID");
}

TEST(ColumnTable, fieldIndexesAreTheColumnsAfterUniqueId) {
    EXPECT_EQ(FieldColumn(0).name, "FREQ");
    EXPECT_EQ(FieldColumn(kUniqueIdField).name, "UNIQUEID");
    EXPECT_EQ(ColumnNumber("LATI"), 24);
    EXPECT_FALSE(ColumnNumber("freq").has_value());
}
