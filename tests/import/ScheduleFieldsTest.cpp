#include "import/ScheduleFields.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zofar {
namespace {

using Cases = std::vector<std::pair<std::string, std::optional<std::string>>>;

TEST(ScheduleFields, timesDaysAndValidDaysConvertOrRefuse) {
    const Cases times = {{"0000", "00:00"},      {"2359", "23:59"},     {"2400", "24:00"},     {"2401", std::nullopt},
                         {"0960", std::nullopt}, {"600", std::nullopt}, {"06 0", std::nullopt}};
    for (const auto& [in, out] : times) EXPECT_EQ(ReadHhmm(in), out) << in;

    // 1 = Sunday in the schedules, 7 = Sunday in the list.
    const Cases days = {
        {"1234567", "1234567"}, {"17", "67"}, {"1.....7", "67"},   {" 2 4 6 ", "135"},  {"", ""},
        {".......", ""},        {"71", "67"}, {"8", std::nullopt}, {"0", std::nullopt}, {"Mo", std::nullopt}};
    for (const auto& [in, out] : days) EXPECT_EQ(SundayFirstDays(in), out) << in;

    const Cases validity = {{"251025", "10-25"},      {"290226", "02-29"},      {"010126", "01-01"},
                            {"310426", std::nullopt}, {"001025", std::nullopt}, {"011325", std::nullopt},
                            {"25102", std::nullopt},  {"2510x5", std::nullopt}};
    for (const auto& [in, out] : validity) EXPECT_EQ(ValidityDay(in), out) << in;
}

TEST(ScheduleFields, frequenciesAndFixedFields) {
    EXPECT_EQ(ReadKilohertz("9410"), 9410.0);
    EXPECT_EQ(ReadKilohertz("5005.5"), 5005.5);
    for (const char* bad : {"", "0", "-5", "9410k", "inf", "nan"}) EXPECT_FALSE(ReadKilohertz(bad)) << bad;
    EXPECT_EQ(FixedField("abcdef", 2, 4), "bcd");
    EXPECT_EQ(FixedField("abcdef", 5, 9), "ef");
    EXPECT_EQ(FixedField("abc", 4, 9), "");
    EXPECT_EQ(FitColumn(22, "ND 120"), "ND ");  // AZI holds three characters
}

}  // namespace
}  // namespace zofar
