// The clipboard and printing offer the extra fields of the open database, unticked at first.
#include <gtest/gtest.h>

#include <string>

#include "output/ClipboardText.h"
#include "output/ColumnChoice.h"
#include "output/OutputOptions.h"

namespace zofar {
namespace {

constexpr ColumnSet kExtension{true, false};

RowValues ScheduleRow() {
    RowValues row(kAllFieldCount);
    row[0] = 6005.0;
    row[1] = std::string("BBC");
    row[kValidFromField] = std::string("12-08");
    row[kDaysTextField] = std::string("Sa");
    return row;
}

TEST(ExtraColumnOutput, theChoiceOffersTheDatabasesExtraFieldsUnticked) {
    const ColumnFlags flags = OutputOptions().clipbColumns;
    const ColumnChoice plain = BuildColumnChoice(ColumnLayout{}, flags);
    EXPECT_EQ(plain.offered.size(), 24u);
    const ColumnChoice extension = BuildColumnChoice(ColumnLayout{}, flags, kExtension);
    ASSERT_EQ(extension.offered.size(), 30u);
    EXPECT_EQ(extension.positions[24].name, "VALIDFROM");
    EXPECT_FALSE(extension.positions[24].checked);
    EXPECT_TRUE(extension.positions[23].checked);
}

TEST(ExtraColumnOutput, aTickedExtraFieldIsCopiedAtItsDisplayPosition) {
    ColumnFlags flags{};
    flags[0] = true;
    const ColumnChoice choice = BuildColumnChoice(ColumnLayout{}, flags, kExtension);
    std::vector<bool> checks(choice.offered.size(), false);
    checks[0] = true;   // FREQ
    checks[24] = true;  // VALIDFROM
    checks[28] = true;  // DAYSTEXT
    StoreColumnChoice(choice, checks, flags);
    EXPECT_TRUE(flags[kValidFromField]);

    EXPECT_EQ(BuildClipboardLine(ScheduleRow(), ColumnLayout{}, flags, true, kExtension), " 6005.0 \t12-08\tSa      ");
    EXPECT_EQ(BuildClipboardLine(ScheduleRow(), ColumnLayout{}, flags, true), " 6005.0 ")
        << "a database without the extra fields copies none of them";

    ColumnLayout moved;
    moved.order[kValidFromField] = 0;
    for (int f = 0; f < kValidFromField; ++f) moved.order[static_cast<size_t>(f)] = f + 1;
    EXPECT_EQ(BuildClipboardLine(ScheduleRow(), moved, flags, false, kExtension), "12-08  6005.0  Sa      ");
}

}  // namespace
}  // namespace zofar
