#include "import/EibiDays.h"

#include <gtest/gtest.h>

namespace zofar {
namespace {

TEST(EibiDays, everyNamedShapeBecomesAscendingWeekdayDigits) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"Sa", "6"},
        {"Mo-Fr", "12345"},
        {"We-Mo", "134567"},
        {"Su-Mo", "17"},
        {"Tu,Fr", "25"},
        {"Mo,We-Fr", "1345"},
        {"SaSu", "67"},
        {"MoWe-Fr", "1345"},
        {"1245", "1245"},
        {"5421", "1245"},
        {"1124", "124"},
        {"1.Sa", "6"},
        {"5.Fr", "5"},
        {"Last7", "7"},
        {" Mo-Fr ", "12345"},
    };
    for (const auto& [days, digits] : cases) EXPECT_EQ(EibiDaysToDigits(days), digits) << days;
}

TEST(EibiDays, everyOtherFormIsKeptAsWritten) {
    for (const std::string days : {"irr", "alt", "Test", "24Dec", "LSB", "USB", "1WeFr", "MF-15", "altFr", "6.Sa",
                                   "Last8", "Mo-", "Tu,", "0123", "mo-fr", "Mo--Fr", "Mo Fr"}) {
        EXPECT_EQ(EibiDaysToDigits(days), days);
    }
}

}  // namespace
}  // namespace zofar
