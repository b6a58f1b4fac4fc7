// The list's layout with the extra fields: kept by field, so it means the same in every database.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "view/ColumnLayoutRules.h"
#include "view/FirstColumnLayout.h"

namespace zofar {
namespace {

constexpr ColumnSet kExtension{true, false};
constexpr ColumnSet kAll{true, true};

std::vector<int> Range(int first, int end) {
    std::vector<int> fields;
    for (int f = first; f < end; ++f) fields.push_back(f);
    return fields;
}

TEST(ExtraColumnLayout, theListShowsTheTwentyFourFieldsThenTheExtraFieldsTheDatabaseHas) {
    std::vector<int> extension = Range(0, kFieldCount);
    for (int f : Range(kFirstExtensionField, kFirstComputedField)) extension.push_back(f);
    std::vector<int> all = extension;
    for (int f : Range(kFirstComputedField, kAllFieldCount)) all.push_back(f);
    EXPECT_EQ(ListFields(ColumnSet{}), Range(0, kFieldCount));
    EXPECT_EQ(ListFields(kExtension), extension);
    EXPECT_EQ(ListFields(kAll), all);
    EXPECT_EQ(ColumnHeading(kValidFromField), "VALIDFROM");
    EXPECT_EQ(ColumnHeading(kDistanceField), "DISTANCE");
}

TEST(ExtraColumnLayout, extraFieldsComeAfterTheListFieldsWithTheirDefaultWidths) {
    const ColumnGeometry g = ApplyColumnLayout(ColumnLayout{}, 6, kAll);
    ASSERT_EQ(g.fields.size(), 33u);
    EXPECT_EQ(g.fields[24], kValidFromField);
    EXPECT_EQ(g.position[24], 24);
    EXPECT_EQ(g.width[24], 8 * 6);
    EXPECT_EQ(g.fields[30], kDistanceField);
    EXPECT_EQ(g.position[32], 32);
}

// The user drags VALIDFROM to the far left and widens DISTANCE in an extension database, then
// opens a database without extras and swaps FREQ and STATION there.
TEST(ExtraColumnLayout, aLayoutRoundTripKeepsTheFieldsAnotherDatabaseLacks) {
    ColumnGeometry shown = ApplyColumnLayout(ColumnLayout{}, 6, kAll);
    for (int& p : shown.position) ++p;
    shown.position[24] = 0;  // VALIDFROM
    for (size_t i = 25; i < shown.position.size(); ++i) --shown.position[i];
    shown.width[30] = 99;  // DISTANCE
    const ColumnLayout first = CaptureColumnLayout(shown, ColumnLayout{});
    EXPECT_EQ(first.order[kValidFromField], 0);
    EXPECT_EQ(first.order[0], 1);
    EXPECT_EQ(first.widths[kDistanceField], 99);
    EXPECT_EQ(first.widths[kValidToField], -1) << "an extra field at its default width stays at -1";
    EXPECT_EQ(CaptureColumnLayout(ApplyColumnLayout(first, 6, kAll), first), first);

    ColumnGeometry plain = ApplyColumnLayout(first, 6, ColumnSet{});
    ASSERT_EQ(plain.fields.size(), 24u);
    EXPECT_EQ(plain.position[0], 0) << "FREQ leads where VALIDFROM is missing";
    std::swap(plain.position[0], plain.position[1]);
    const ColumnLayout second = CaptureColumnLayout(plain, first);

    const ColumnGeometry again = ApplyColumnLayout(second, 6, kAll);
    EXPECT_EQ(again.position[24], 0) << "VALIDFROM still leads";
    EXPECT_EQ(again.position[1], 1) << "STATION";
    EXPECT_EQ(again.position[0], 2) << "FREQ";
    EXPECT_EQ(again.width[30], 99);
}

TEST(FirstColumnLayout, scheduleFieldsLeadAndEmptyFieldsAreHiddenAtTheEnd) {
    EmptyFields empty{};
    for (const char* name : {"STN", "LC", "CIRAF", "PROGRAM", "POWER", "AZI", "TARGET"}) {
        empty[static_cast<size_t>(*FieldNumber(name))] = true;
    }
    const ColumnLayout layout = FirstColumnLayout(empty);
    ASSERT_TRUE(IsColumnPermutation(layout.order));
    const std::vector<int> shown = FieldsInDisplayOrder(layout, ListFields(kExtension));
    std::vector<std::string> leading;
    for (size_t p = 0; p < 9; ++p) leading.emplace_back(FieldColumn(shown[p]).name);
    EXPECT_EQ(leading, (std::vector<std::string>{"FREQ", "STATION", "START", "END", "DAYS", "LANGUAGE", "TARGETAR",
                                                 "LOCATION", "COUNTRY"}));
    for (int f = 0; f < kAllFieldCount; ++f) {
        const bool hidden = IsHiddenColumnWidth(layout.widths[static_cast<size_t>(f)]);
        EXPECT_EQ(hidden, empty[static_cast<size_t>(f)]) << FieldColumn(f).name;
    }
    const auto stn = std::find(shown.begin(), shown.end(), *FieldNumber("STN"));
    EXPECT_GT(stn - shown.begin(), std::find(shown.begin(), shown.end(), kValidFromField) - shown.begin())
        << "empty fields come after every field with values";
}

}  // namespace
}  // namespace zofar
