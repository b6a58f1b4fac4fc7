#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "import/EibiSchedule.h"

using namespace zofar;

namespace {

struct Case {
    const char* days;
    const char* persistence;
    const char* start;
    const char* stop;
    char season;
    // What the record holds afterwards; nullptr: Null.
    const char* digits;
    const char* validFrom;
    const char* validTo;
    const char* regularity;
    const char* monthWeek;
    const char* lastLog;
};

std::optional<std::string> Opt(const char* s) { return s ? std::optional<std::string>(s) : std::nullopt; }

}  // namespace

TEST(EibiSchedule, eachFormOfDaysPersistenceAndDatesGoesToItsField) {
    const Case cases[] = {
        {"", "1", "", "", 'B', "", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"Mo-Fr", "1", "", "", 'B', "12345", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"24Dec", "0", "", "", 'B', "", "12-24", "12-24", nullptr, nullptr, nullptr},
        {"5Jan", "0", "", "", 'B', "", "01-05", "01-05", nullptr, nullptr, nullptr},
        {"31Feb", "0", "", "", 'B', "31Feb", nullptr, nullptr, "R", nullptr, nullptr},
        {"2.Th", "1", "", "", 'B', "4", nullptr, nullptr, nullptr, "2", nullptr},
        {"Last7", "1", "", "", 'B', "7", nullptr, nullptr, nullptr, "L", nullptr},
        {"USB", "91", "", "", 'B', "", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"irr", "1", "", "", 'B', "irr", nullptr, nullptr, "R", nullptr, nullptr},
        {"1WeFr", "1", "", "", 'B', "1WeFr", nullptr, nullptr, "R", nullptr, nullptr},
        {"MF-15", "1", "", "", 'B', "MF-15", nullptr, nullptr, "R", nullptr, nullptr},
        {"12457770", "1", "", "", 'B', "1245777", nullptr, nullptr, "R", nullptr, nullptr},
        {"Tests", "1", "", "", 'B', "Tests", nullptr, nullptr, "R", nullptr, nullptr},
        {"", "8", "", "", 'B', "", nullptr, nullptr, "I", nullptr, nullptr},
        {"", "98", "", "", 'A', "", nullptr, nullptr, "I", nullptr, nullptr},
        {"", "5", "", "", 'B', "", nullptr, nullptr, "S", nullptr, nullptr},
        {"", "4", "", "", 'A', "", nullptr, nullptr, "S", nullptr, nullptr},
        {"", "4", "", "", 'B', "", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"", "5", "", "", 0, "", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"", "6", "0812", "2412", 'B', "", "12-08", "12-24", nullptr, nullptr, nullptr},
        {"", "6", "0112", "3101[0126]", 'B', "", "12-01", "01-31", nullptr, nullptr, "0126"},
        {"", "1", "", "[0326]", 'A', "", nullptr, nullptr, nullptr, nullptr, "0326"},
        {"", "1", "0401", "0501", 'A', "", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"", "6", "3102", "0103", 'A', "", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"24Dec", "6", "0101", "0201", 'B', "", "12-24", "12-24", nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        BroadcastRecord r;
        SetEibiSchedule(r, c.days, c.persistence, c.start, c.stop, c.season);
        const auto ext = [&r](int field) { return r.extension[static_cast<size_t>(field - kFirstExtensionField)]; };
        SCOPED_TRACE(std::string(c.days) + " p" + c.persistence + " " + c.start + "-" + c.stop);
        EXPECT_EQ(r.text[13], Opt(c.digits));
        EXPECT_EQ(ext(kDaysTextField), Opt(std::string(c.days).substr(0, 8).c_str()));
        EXPECT_EQ(ext(kValidFromField), Opt(c.validFrom));
        EXPECT_EQ(ext(kValidToField), Opt(c.validTo));
        EXPECT_EQ(ext(kRegularityField), Opt(c.regularity));
        EXPECT_EQ(ext(kMonthWeekField), Opt(c.monthWeek));
        EXPECT_EQ(ext(kLastLogField), Opt(c.lastLog));
    }
}

TEST(EibiSchedule, theSeasonComesFromEibisOwnFileNames) {
    EXPECT_EQ(EibiSeasonOfFileName("sked-a26.csv"), 'A');
    EXPECT_EQ(EibiSeasonOfFileName("/home/x/SKED-B25.CSV"), 'B');
    EXPECT_EQ(EibiSeasonOfFileName("sked-b25-excerpt.csv"), 'B');
    EXPECT_EQ(EibiSeasonOfFileName("mysked-a26.csv"), 0);
    EXPECT_EQ(EibiSeasonOfFileName("sked-c26.csv"), 0);
    EXPECT_EQ(EibiSeasonOfFileName("sked-a2.csv"), 0);
}
